#include "BenchApplication.h"

#include <QElapsedTimer>
#include <QEvent>

namespace {

int paintDepth = 0;
Timing paintedSoFar;

} // namespace

bool BenchApplication::isPainting(const QEvent *event)
{
    switch (event->type()) {
    case QEvent::UpdateRequest:
    case QEvent::Paint:
    case QEvent::Expose: return true;
    default: return false;
    }
}

bool BenchApplication::notify(QObject *receiver, QEvent *event)
{
    // Only the outermost event counts: painting a window sends paint events
    // to its children.
    if (paintDepth > 0 || !isPainting(event))
        return QApplication::notify(receiver, event);
    ++paintDepth;
    const double cpuBefore = ComparisonRunner::threadCpuMs();
    QElapsedTimer timer;
    timer.start();
    const bool handled = QApplication::notify(receiver, event);
    paintedSoFar.wallMs += double(timer.nsecsElapsed()) / 1e6;
    paintedSoFar.cpuMs += ComparisonRunner::threadCpuMs() - cpuBefore;
    --paintDepth;
    return handled;
}

Timing BenchApplication::painting()
{
    return paintedSoFar;
}
