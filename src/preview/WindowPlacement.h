#pragma once

#include <QMargins>
#include <QRect>

// Windows that open at a fixed place of a large screen must still be
// reachable on a small one.
namespace WindowPlacement {

// `client` moved as little as possible so that it, with its `frame` around
// it, lies inside `available`. Where it cannot fit, its top left corner
// (title bar and close button) stays visible.
QRect keptOnScreen(const QRect &client, const QMargins &frame, const QRect &available);

} // namespace WindowPlacement
