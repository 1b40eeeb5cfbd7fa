#include "preview/WindowPlacement.h"

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

} // namespace WindowPlacement
