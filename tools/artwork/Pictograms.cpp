#include "Pictograms.h"

#include "PictogramParts.h"

#include <QPainter>
#include <QPainterPath>

using namespace Qt::StringLiterals;

namespace Pictograms {

using namespace PictogramParts;

namespace {

void drawShape(QPainter &p, Glyph glyph, const QColor &ink, const QColor &face)
{
    const QPointF mid(16, 13);
    switch (glyph) {
    case Glyph::None: break;
    case Glyph::Info:
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(mid, 11.5, 11.5);
        p.setBrush(ink);
        p.drawEllipse(QPointF(16, 7.5), 1.6, 1.6);
        p.save();
        p.setPen(QPen(ink, 3.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16, 12), QPointF(16, 19.5));
        p.restore();
        break;
    case Glyph::Star: {
        QPolygonF star;
        for (int i = 0; i < 10; ++i)
            star << polar(QPointF(16, 14), i % 2 ? 5.2 : 12.5, 90 + 36 * i);
        p.drawPolygon(star);
        break;
    }
    case Glyph::Roadblock:
        p.drawLine(QPointF(7, 26), QPointF(13, 14));
        p.drawLine(QPointF(25, 26), QPointF(19, 14));
        p.drawLine(QPointF(8, 12), QPointF(8, 22));
        p.drawLine(QPointF(24, 12), QPointF(24, 22));
        p.drawRoundedRect(QRectF(2, 4, 28, 8), 1.5, 1.5);
        p.save();
        p.setPen(QPen(Red, 3.2));
        p.setClipRect(QRectF(3, 5, 26, 6));
        for (int x = 2; x < 34; x += 7)
            p.drawLine(QPointF(x, 12), QPointF(x + 6, 4));
        p.restore();
        break;
    case Glyph::House:
        p.drawPolyline(QPolygonF{{3, 13}, {16, 2}, {29, 13}});
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(7.5, 12, 17, 12.5));
        p.setBrush(ink);
        p.drawRect(QRectF(14, 17, 5, 7.5));
        break;
    case Glyph::Pin: pin(p, face); break;
    case Glyph::Map: map(p, ink); break;
    case Glyph::Route: route(p); break;
    case Glyph::Palette: {
        p.drawEllipse(QRectF(2, 2, 28, 22));
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(face);
        p.drawEllipse(QPointF(21, 17), 3, 3);
        const std::pair<QPointF, QColor> dots[] = {
            {{9, 9}, Red}, {{16, 6.5}, Amber}, {{23, 9}, Blue}, {{9, 16}, Green}};
        for (const auto &[at, colour] : dots) {
            p.setBrush(colour);
            p.drawEllipse(at, 2.7, 2.7);
        }
        p.restore();
        break;
    }
    case Glyph::Version:
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(2, 3, 28, 20), 3, 3);
        text(p, QRectF(2, 3, 28, 20), u"1.0"_s, 12, ink);
        break;
    case Glyph::Head:
        p.drawEllipse(QRectF(4, 2, 12, 13));
        p.drawRoundedRect(QRectF(2, 17, 16, 10), 5, 5);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(13, 3, 10, 12), -55 * 16, 110 * 16);
        p.drawArc(QRectF(13, -1, 17, 20), -55 * 16, 110 * 16);
        break;
    case Glyph::Exit:
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF{{15, 6}, {15, 2}, {3, 2}, {3, 24}, {15, 24}, {15, 20}});
        p.setBrush(ink);
        p.drawLine(QPointF(10, 13), QPointF(25, 13));
        arrowHead(p, QPointF(31, 13), 0, 9);
        break;
    case Glyph::Question: text(p, QRectF(0, -2, 32, 30), u"?"_s, 26, ink); break;
    case Glyph::List:
        for (const qreal y : {5.0, 13.0, 21.0}) {
            p.drawEllipse(QPointF(5, y), 2, 2);
            p.drawLine(QPointF(11, y), QPointF(29, y));
        }
        break;
    case Glyph::Grid:
        p.setPen(Qt::NoPen);
        for (int row = 0; row < 2; ++row)
            for (int column = 0; column < 3; ++column)
                p.drawRoundedRect(QRectF(2 + 10 * column, 3 + 11 * row, 8, 9), 1.5, 1.5);
        break;
    case Glyph::Magnifier:
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(13, 11), 8.5, 8.5);
        p.drawLine(QPointF(9, 11), QPointF(17, 11));
        p.drawLine(QPointF(13, 7), QPointF(13, 15));
        p.setPen(QPen(ink, 4.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(20, 18), QPointF(27, 25));
        break;
    case Glyph::TrafficLight:
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(QRectF(9, 0, 14, 26), 4, 4);
        for (const auto &[y, colour] : {std::pair{5.0, Red}, std::pair{13.0, Amber}, std::pair{21.0, Green}}) {
            p.setBrush(colour);
            p.drawEllipse(QPointF(16, y), 3.2, 3.2);
        }
        break;
    case Glyph::LeftHand:
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(6, 1, 22, 24), 3, 3);
        p.setBrush(ink);
        p.drawRect(QRectF(15, 5, 9, 16));
        for (const qreal y : {6.0, 12.0, 18.0})
            p.drawRoundedRect(QRectF(9, y - 0.5, 3, 3), 0.8, 0.8);
        p.drawLine(QPointF(3, 13), QPointF(-1, 13));
        break;
    case Glyph::Car:
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygonF{{7, 12}, {10.5, 4}, {21.5, 4}, {25, 12}});
        p.drawRoundedRect(QRectF(2, 11, 28, 9), 3, 3);
        p.setBrush(face);
        p.drawPolygon(QPolygonF{{10, 11}, {12, 6.5}, {20, 6.5}, {22, 11}});
        p.setPen(QPen(ink, 2));
        for (const qreal x : {9.0, 23.0})
            p.drawEllipse(QPointF(x, 21), 3.2, 3.2);
        break;
    case Glyph::Maps:
        p.save();
        p.translate(-1, -1);
        p.scale(0.72, 0.72);
        map(p, ink);
        p.restore();
        p.save();
        p.translate(9, 7);
        p.scale(0.72, 0.72);
        map(p, ink);
        p.restore();
        break;
    case Glyph::Download:
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF{{4, 17}, {4, 24}, {28, 24}, {28, 17}});
        p.setBrush(ink);
        p.drawLine(QPointF(16, 1), QPointF(16, 13));
        arrowHead(p, QPointF(16, 20), -90, 10);
        break;
    case Glyph::Fork: {
        p.setBrush(Qt::NoBrush);
        QPainterPath left(QPointF(16, 26));
        left.lineTo(16, 16);
        left.cubicTo(16, 10, 7, 11, 7, 6);
        QPainterPath right(QPointF(16, 16));
        right.cubicTo(16, 10, 25, 11, 25, 6);
        p.drawPath(left);
        p.drawPath(right);
        p.setBrush(ink);
        arrowHead(p, QPointF(7, 0), 90, 7);
        arrowHead(p, QPointF(25, 0), 90, 7);
        break;
    }
    case Glyph::AtoB:
        text(p, QRectF(-1, 0, 12, 26), u"A"_s, 14, ink);
        text(p, QRectF(21, 0, 12, 26), u"B"_s, 14, ink);
        p.drawLine(QPointF(11, 13), QPointF(17, 13));
        arrowHead(p, QPointF(22, 13), 0, 6);
        break;
    case Glyph::Gear: gear(p, mid, 12.5, 9.5, 8, face); break;
    case Glyph::Turn: {
        p.setPen(QPen(ink, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        QPainterPath path(QPointF(9, 26));
        path.lineTo(9, 14);
        path.quadTo(9, 8, 15, 8);
        path.lineTo(21, 8);
        p.drawPath(path);
        p.setBrush(ink);
        arrowHead(p, QPointF(31, 8), 0, 11);
        break;
    }
    case Glyph::Warning:
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(ink, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolygon(QPolygonF{{16, 1.5}, {30, 24.5}, {2, 24.5}});
        p.drawLine(QPointF(16, 9), QPointF(16, 16));
        p.setBrush(ink);
        p.drawEllipse(QPointF(16, 20.5), 1.2, 1.2);
        break;
    case Glyph::NavArrow:
        p.setPen(QPen(ink, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolygon(QPolygonF{{16, 0.5}, {28, 25}, {16, 19}, {4, 25}});
        break;
    case Glyph::Via: {
        QPainterPath path(QPointF(3, 23));
        path.cubicTo(12, 24, 8, 13, 16, 13);
        path.cubicTo(24, 13, 20, 4, 29, 3);
        p.save();
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        p.restore();
        p.drawEllipse(QPointF(3, 23), 2.5, 2.5);
        p.drawEllipse(QPointF(29, 3), 2.5, 2.5);
        p.setBrush(face);
        p.drawEllipse(QPointF(16, 13), 4.5, 4.5);
        p.setBrush(ink);
        p.drawEllipse(QPointF(16, 13), 1.8, 1.8);
        break;
    }
    case Glyph::Rotate:
        p.drawRoundedRect(QRectF(11, 6, 10, 15), 1.5, 1.5);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(3, 0.5, 26, 25), 110 * 16, 140 * 16);
        p.drawArc(QRectF(3, 0.5, 26, 25), -70 * 16, 140 * 16);
        p.setBrush(ink);
        arrowHead(p, polar(QPointF(16, 13), 12.5, 250), 340, 6);
        arrowHead(p, polar(QPointF(16, 13), 12.5, 70), 160, 6);
        break;
    case Glyph::Key:
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(ink, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawEllipse(QPointF(8, 13), 5.5, 5.5);
        p.drawLine(QPointF(14, 13), QPointF(30, 13));
        p.drawLine(QPointF(24, 13), QPointF(24, 19));
        p.drawLine(QPointF(29, 13), QPointF(29, 18));
        break;
    case Glyph::Brightness:
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(mid, 6.5, 6.5);
        p.setBrush(ink);
        p.drawPie(QRectF(9.5, 6.5, 13, 13), 90 * 16, 180 * 16);
        rays(p, mid, 9.5, 12.5, 8);
        break;
    case Glyph::Compass:
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(mid, 12, 12);
        p.setPen(Qt::NoPen);
        p.setBrush(Red);
        p.drawPolygon(QPolygonF{{16, 3}, {20, 13}, {12, 13}});
        p.setBrush(ink);
        p.drawPolygon(QPolygonF{{16, 23}, {20, 13}, {12, 13}});
        break;
    case Glyph::Cradle:
        p.drawRoundedRect(QRectF(10, 1, 12, 18), 2, 2);
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(face);
        p.drawRect(QRectF(12, 3.5, 8, 11));
        p.restore();
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF{{6, 9}, {6, 21}, {26, 21}, {26, 9}});
        p.drawLine(QPointF(16, 21), QPointF(16, 25));
        p.drawLine(QPointF(10, 25), QPointF(22, 25));
        break;
    case Glyph::Sun:
        p.drawEllipse(mid, 6, 6);
        rays(p, mid, 9, 12.5, 8);
        break;
    case Glyph::Units:
        text(p, QRectF(0, -1, 32, 15), u"km"_s, 13, ink);
        p.drawLine(QPointF(6, 14), QPointF(26, 14));
        text(p, QRectF(0, 14, 32, 13), u"mi"_s, 11, ink);
        break;
    case Glyph::Keyboard:
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(1, 4, 30, 19), 2.5, 2.5);
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        for (int row = 0; row < 2; ++row)
            for (int key = 0; key < 6; ++key)
                p.drawRect(QRectF(4.5 + 4.2 * key, 7.5 + 4.5 * row, 2.8, 2.8));
        p.drawRect(QRectF(9, 17, 14, 2.8));
        break;
    case Glyph::Globe:
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(mid, 12, 12);
        p.drawEllipse(QPointF(16, 13), 5, 12);
        p.drawLine(QPointF(4, 13), QPointF(28, 13));
        p.drawLine(QPointF(6.5, 6.5), QPointF(25.5, 6.5));
        p.drawLine(QPointF(6.5, 19.5), QPointF(25.5, 19.5));
        break;
    case Glyph::Tag:
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(QPolygonF{{1, 5}, {22, 5}, {30.5, 13}, {22, 21}, {1, 21}});
        text(p, QRectF(1, 5, 21, 16), u"Abc"_s, 9, ink);
        break;
    case Glyph::Clock:
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(mid, 11.5, 11.5);
        p.drawLine(mid, QPointF(16, 5.5));
        p.drawLine(mid, QPointF(22, 16));
        break;
    case Glyph::Moon: {
        QPainterPath full;
        full.addEllipse(mid, 11.5, 11.5);
        QPainterPath bite;
        bite.addEllipse(QPointF(22.5, 8.5), 10, 10);
        p.setPen(Qt::NoPen);
        p.drawPath(full.subtracted(bite));
        break;
    }
    case Glyph::Speech:
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(QRectF(1, 1, 30, 18), 5, 5);
        p.drawPolygon(QPolygonF{{7, 17}, {7, 26}, {15, 17}});
        p.setPen(QPen(face, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(7, 7), QPointF(25, 7));
        p.drawLine(QPointF(7, 13), QPointF(19, 13));
        break;
    case Glyph::StatusBar:
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(2, 2, 28, 22), 2, 2);
        p.setBrush(ink);
        p.drawRect(QRectF(2, 17, 28, 7));
        p.setPen(Qt::NoPen);
        p.setBrush(face);
        for (const qreal x : {6.0, 12.0, 18.0})
            p.drawRect(QRectF(x, 19.5, 4, 2));
        break;
    case Glyph::Toll:
        p.drawEllipse(mid, 12, 12);
        text(p, QRectF(0, 0, 32, 27), u"€"_s, 16, face);
        break;
    case Glyph::Speaker: speaker(p); break;
    case Glyph::Satellite:
        p.save();
        p.translate(17, 11);
        p.rotate(-35);
        p.drawRect(QRectF(-4, -4, 8, 8));
        p.drawRect(QRectF(-15, -3, 8, 6));
        p.drawRect(QRectF(7, -3, 8, 6));
        p.drawLine(QPointF(-7, 0), QPointF(-4, 0));
        p.drawLine(QPointF(4, 0), QPointF(7, 0));
        p.restore();
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(-2, 12, 16, 16), 0, 90 * 16);
        p.drawArc(QRectF(-8, 6, 28, 28), 10 * 16, 70 * 16);
        break;
    case Glyph::Bars:
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 4; ++i) {
            const qreal height = 6 + 6 * i;
            p.drawRoundedRect(QRectF(3 + 7 * i, 25 - height, 5, height), 1, 1);
        }
        break;
    case Glyph::Cloud: {
        p.save();
        p.setPen(QPen(Amber, 2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Amber);
        p.drawEllipse(QPointF(22, 8), 5, 5);
        rays(p, QPointF(22, 8), 7.5, 10, 8);
        p.restore();
        QPainterPath cloud;
        cloud.addEllipse(QPointF(9, 17), 6, 6);
        cloud.addEllipse(QPointF(16, 13.5), 7, 7);
        cloud.addEllipse(QPointF(23, 18), 5, 5);
        cloud.addRoundedRect(QRectF(3, 16, 25, 7), 3.5, 3.5);
        p.setPen(Qt::NoPen);
        p.drawPath(cloud.simplified());
        break;
    }
    case Glyph::Cube3D:
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(QPolygonF{{4, 10}, {18, 10}, {18, 24}, {4, 24}});
        p.drawPolyline(QPolygonF{{4, 10}, {11, 3}, {25, 3}, {18, 10}});
        p.drawPolyline(QPolygonF{{25, 3}, {25, 17}, {18, 24}});
        text(p, QRectF(4, 10, 14, 14), u"3D"_s, 7, ink);
        break;
    case Glyph::Bluetooth:
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(ink, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF{{9, 7.5}, {22, 18.5}, {16, 25}, {16, 1}, {22, 7.5}, {9, 18.5}});
        break;
    case Glyph::Bulb:
        p.drawEllipse(QPointF(16, 10), 8.5, 8.5);
        p.drawRect(QRectF(12, 17, 8, 5));
        p.setPen(QPen(face, 1.2));
        p.drawLine(QPointF(12.5, 19.5), QPointF(19.5, 19.5));
        p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(14, 24.5), QPointF(18, 24.5));
        break;
    case Glyph::Eye: {
        QPainterPath almond(QPointF(1, 13));
        almond.quadTo(16, -1, 31, 13);
        almond.quadTo(16, 27, 1, 13);
        p.setBrush(Qt::NoBrush);
        p.drawPath(almond);
        p.setBrush(ink);
        p.drawEllipse(mid, 5.5, 5.5);
        p.setBrush(face);
        p.setPen(Qt::NoPen);
        p.drawEllipse(mid, 2.2, 2.2);
        break;
    }
    case Glyph::Cap:
        p.setPen(QPen(ink, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolygon(QPolygonF{{16, 3}, {31, 9.5}, {16, 16}, {1, 9.5}});
        p.drawPolygon(QPolygonF{{8, 13}, {8, 20}, {16, 23}, {24, 20}, {24, 13}, {16, 16.5}});
        p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(28, 10.5), QPointF(28, 20));
        break;
    case Glyph::PageArrow:
        p.setPen(QPen(ink, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolygon(QPolygonF{{1, 8}, {16, 8}, {16, 1}, {31, 13}, {16, 25}, {16, 18}, {1, 18}});
        break;
    }
}

} // namespace

void drawGlyph(QPainter &p, Glyph glyph, const QColor &ink, const QColor &face)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(ink, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(ink);
    drawShape(p, glyph, ink, face);
    p.restore();
}

} // namespace Pictograms
