#include "PictogramParts.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

using namespace Qt::StringLiterals;

namespace PictogramParts {

const QColor Red(214, 48, 39);
const QColor Amber(250, 190, 30);
const QColor Green(60, 180, 75);
const QColor Blue(40, 110, 220);

QPointF polar(QPointF centre, qreal radius, qreal degrees)
{
    const qreal a = qDegreesToRadians(degrees);
    return centre + QPointF(radius * qCos(a), -radius * qSin(a));
}

void text(QPainter &p, const QRectF &box, const QString &s, int pixels, const QColor &colour)
{
    QFont font(u"DejaVu Sans"_s);
    font.setPixelSize(pixels);
    font.setBold(true);
    p.save();
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, s);
    p.restore();
}

void rays(QPainter &p, QPointF centre, qreal from, qreal to, int count)
{
    for (int i = 0; i < count; ++i) {
        const qreal angle = 360.0 * i / count;
        p.drawLine(polar(centre, from, angle), polar(centre, to, angle));
    }
}

void arrowHead(QPainter &p, QPointF tip, qreal degrees, qreal size)
{
    const QPointF back = polar(tip, size, degrees + 180);
    const QPolygonF head{tip, polar(back, size * 0.6, degrees + 90), polar(back, size * 0.6, degrees - 90)};
    p.save();
    p.setPen(Qt::NoPen);
    p.drawPolygon(head);
    p.restore();
}

void map(QPainter &p, const QColor &ink)
{
    const QPolygonF outline{{3, 5}, {12, 2}, {20, 5}, {29, 2}, {29, 22}, {20, 25}, {12, 22}, {3, 25}};
    QColor wash = ink;
    wash.setAlpha(70);
    p.setBrush(wash);
    p.drawPolygon(outline);
    p.drawLine(QPointF(12, 2), QPointF(12, 22));
    p.drawLine(QPointF(20, 5), QPointF(20, 25));
    p.setBrush(ink);
}

void route(QPainter &p)
{
    QPainterPath path(QPointF(6, 22));
    path.cubicTo(22, 23, 8, 8, 24, 8);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();
    p.drawEllipse(QPointF(6, 22), 2.5, 2.5);
    p.drawLine(QPointF(25, 9), QPointF(25, 1));
    p.drawPolygon(QPolygonF{{25, 1}, {31, 3}, {25, 5}});
}

void gear(QPainter &p, QPointF centre, qreal outer, qreal inner, int teeth, const QColor &hole)
{
    QPolygonF shape;
    const qreal step = 360.0 / teeth;
    for (int i = 0; i < teeth; ++i) {
        const qreal a = i * step;
        shape << polar(centre, inner, a - step * 0.5) << polar(centre, outer, a - step * 0.22)
              << polar(centre, outer, a + step * 0.22) << polar(centre, inner, a + step * 0.5);
    }
    p.save();
    p.setPen(Qt::NoPen);
    p.drawPolygon(shape);
    p.drawEllipse(centre, inner, inner);
    p.setBrush(hole);
    p.drawEllipse(centre, inner * 0.42, inner * 0.42);
    p.restore();
}

void pin(QPainter &p, const QColor &face)
{
    QPainterPath path(QPointF(16, 25));
    path.lineTo(9.23, 14.26);
    path.arcTo(QRectF(8, 2, 16, 16), 212.2, -244.4);
    path.closeSubpath();
    p.drawPath(path);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(face);
    p.drawEllipse(QPointF(16, 10), 3.2, 3.2);
    p.restore();
}

void speaker(QPainter &p)
{
    p.drawPolygon(QPolygonF{{3, 9}, {9, 9}, {16, 3}, {16, 23}, {9, 17}, {3, 17}});
    p.save();
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(13, 7, 12, 12), -50 * 16, 100 * 16);
    p.drawArc(QRectF(11, 2, 22, 22), -50 * 16, 100 * 16);
    p.restore();
}

} // namespace PictogramParts
