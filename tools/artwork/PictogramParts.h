#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>

class QPainter;

// Pieces that several pictograms and badges are drawn from.
namespace PictogramParts {

extern const QColor Red;
extern const QColor Amber;
extern const QColor Green;
extern const QColor Blue;

// The point `radius` away from `centre` in the direction `degrees`
// (counter-clockwise from three o'clock, as Qt's arcs count).
QPointF polar(QPointF centre, qreal radius, qreal degrees);
void text(QPainter &p, const QRectF &box, const QString &s, int pixels, const QColor &colour);
void rays(QPainter &p, QPointF centre, qreal from, qreal to, int count);
// A filled triangle whose tip points in the direction `degrees`.
void arrowHead(QPainter &p, QPointF tip, qreal degrees, qreal size);

// Whole shapes in the 32 x 26 box, used by more than one pictogram.
void map(QPainter &p, const QColor &ink);
void route(QPainter &p);
void gear(QPainter &p, QPointF centre, qreal outer, qreal inner, int teeth, const QColor &hole);
void pin(QPainter &p, const QColor &face);
void speaker(QPainter &p);

} // namespace PictogramParts
