#include "Badges.h"

#include "PictogramParts.h"

#include <QPainter>

using namespace Qt::StringLiterals;

namespace Badges {

using namespace PictogramParts;

void drawBadge(QPainter &p, Badge badge, const QColor &face)
{
    if (badge == Badge::None)
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(face.darker(150), 1));
    p.setBrush(QColor(252, 252, 252));
    p.drawEllipse(QPointF(0, 0), 7.5, 7.5);
    const QColor mark = badge == Badge::Cross ? Red : badge == Badge::Plus ? QColor(30, 140, 50) : face;
    p.setPen(QPen(mark, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(mark);
    switch (badge) {
    case Badge::None: break;
    case Badge::Plus:
        p.drawLine(QPointF(-4, 0), QPointF(4, 0));
        p.drawLine(QPointF(0, -4), QPointF(0, 4));
        break;
    case Badge::Cross:
        p.drawLine(QPointF(-3.5, -3.5), QPointF(3.5, 3.5));
        p.drawLine(QPointF(-3.5, 3.5), QPointF(3.5, -3.5));
        break;
    case Badge::Down:
        p.drawLine(QPointF(0, -4.5), QPointF(0, 0));
        arrowHead(p, QPointF(0, 5), -90, 5.5);
        break;
    case Badge::Question: text(p, QRectF(-7, -8, 14, 16), u"?"_s, 11, mark); break;
    case Badge::Gear: gear(p, QPointF(0, 0), 6, 3.8, 6, QColor(252, 252, 252)); break;
    case Badge::List:
        for (const qreal y : {-3.0, 0.0, 3.0})
            p.drawLine(QPointF(-3.5, y), QPointF(3.5, y));
        p.setPen(QPen(mark, 1.5, Qt::SolidLine, Qt::RoundCap));
        break;
    case Badge::Reload:
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(-4, -4, 8, 8), 60 * 16, 270 * 16);
        p.setBrush(mark);
        arrowHead(p, polar(QPointF(0, 0), 4, 60) + QPointF(1.5, 0.5), 200, 4.5);
        break;
    case Badge::Check: p.drawPolyline(QPolygonF{{-4, 0}, {-1.2, 3}, {4, -3.5}}); break;
    case Badge::Off:
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Red, 2));
        p.drawEllipse(QPointF(0, 0), 4.5, 4.5);
        p.drawLine(QPointF(-3.2, 3.2), QPointF(3.2, -3.2));
        break;
    case Badge::Power:
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(-4.2, -3.5, 8.4, 8.4), 120 * 16, 300 * 16);
        p.drawLine(QPointF(0, -5), QPointF(0, 0));
        break;
    case Badge::Play:
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygonF{{-2.5, -4.5}, {5, 0}, {-2.5, 4.5}});
        break;
    }
    p.restore();
}

} // namespace Badges
