#include "common/WindowPlacement.h"

namespace WindowPlacement {

QRect keptOnScreen(const QRect &client, const QMargins &frame, const QRect &available)
{
    QRect outer = client.marginsAdded(frame);
    if (outer.right() > available.right())
        outer.moveRight(available.right());
    if (outer.bottom() > available.bottom())
        outer.moveBottom(available.bottom());
    if (outer.left() < available.left())
        outer.moveLeft(available.left());
    if (outer.top() < available.top())
        outer.moveTop(available.top());
    return outer.marginsRemoved(frame);
}

QRect centredOnScreen(const QSize &size, const QRect &available)
{
    const QPoint topLeft(available.x() + available.width() / 2 - size.width() / 2,
                         available.y() + available.height() / 2 - size.height() / 2);
    return QRect(topLeft, size);
}

} // namespace WindowPlacement
