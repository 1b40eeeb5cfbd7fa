#include "EventLoop.h"

#include <QCoreApplication>
#include <QWidget>

namespace EventLoop {

void settle()
{
    // Twice: the first pass runs the zero timers (an item view's delayed
    // layout), whose results post the update requests the second delivers.
    for (int pass = 0; pass < 2; ++pass) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

void showAsTheProgramDoes(QWidget &window)
{
    window.adjustSize();
    window.show();
    settle();
}

} // namespace EventLoop
