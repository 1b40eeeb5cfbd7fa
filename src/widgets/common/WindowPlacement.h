#pragma once

#include <QMargins>
#include <QRect>

// Where the program's windows open: in the middle of the screen, or at a
// fixed place of a large screen that must still be reachable on a small one.
namespace WindowPlacement {

// `client` moved as little as possible so that it, with its `frame` around
// it, lies inside `available`. Where it cannot fit, its top left corner
// (title bar and close button) stays visible.
QRect keptOnScreen(const QRect &client, const QMargins &frame, const QRect &available);

// A window of `size` in the middle of `available`, halves rounded down as
// the widget style rounds them.
QRect centredOnScreen(const QSize &size, const QRect &available);

} // namespace WindowPlacement
