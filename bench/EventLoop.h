#pragma once

class QWidget;

// What the event loop would do right after a handler returns: lay out,
// deliver posted events and paint what changed. Our side of a comparison
// ends with it, so that deferred work is not left out of the time.
namespace EventLoop {

void settle();

// Sizes and shows a top-level window as main() shows the main window.
void showAsTheProgramDoes(QWidget &window);

} // namespace EventLoop
