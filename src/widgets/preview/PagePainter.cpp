#include "preview/PagePainter.h"

#include "common/Fonts.h"
#include "common/Twips.h"
#include "preview/ShownPage.h"

#include <QApplication>
#include <QFrame>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>

namespace PagePainter {

namespace {

// The frame's sunken panel is one line wide; the places lie inside it.
constexpr int FrameBorder = 1;

// The resolution fonts are sized for: the screen's, which the preview
// window has. On a device of another resolution (a PDF page) the size is
// scaled so that a page keeps its proportions there.
int screenDpi()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInchY()) : 96;
}

QFont sizedFor(const QPainter &painter, QFont font)
{
    const int deviceDpi = painter.device()->logicalDpiY();
    const int dpi = screenDpi();
    if (deviceDpi > 0 && deviceDpi != dpi)
        font.setPointSizeF(font.pointSizeF() * dpi / deviceDpi);
    return font;
}

// As a plain-text label draws itself, clipped to its own rectangle.
void drawLabel(QPainter &painter, const QRect &rect, int alignment, const QString &text, const QFont &font,
               const QPalette &palette)
{
    if (text.isEmpty())
        return;
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.setFont(sizedFor(painter, font));
    painter.setPen(QPen(palette.brush(QPalette::WindowText), painter.pen().widthF()));
    painter.drawText(rect, alignment | Qt::TextForceLeftToRight, text);
    painter.restore();
}

void drawFrame(QPainter &painter, const QPalette &palette, const QStyle *style)
{
    QStyleOptionFrame option;
    option.rect = frameRect();
    option.palette = palette;
    option.state = QStyle::State_Enabled | QStyle::State_Sunken;
    option.frameShape = QFrame::Panel;
    option.lineWidth = FrameBorder;
    option.midLineWidth = 0;
    painter.save();
    painter.setClipRect(frameRect(), Qt::IntersectClip);
    style->drawControl(QStyle::CE_ShapedFrame, &option, &painter);
    painter.restore();
}

} // namespace

QRect titleRect()
{
    return Twips::rect(0, 0, 2475, 375);
}

QRect frameRect()
{
    return Twips::rect(0, 360, 2475, 3705);
}

QRect pictureRect(int place)
{
    const QPoint inside = frameRect().topLeft() + QPoint(FrameBorder, FrameBorder);
    return Twips::rect((place % 2) * 1200, (place / 2) * 1200, 1200, 750).translated(inside);
}

QRect captionRect(int place)
{
    const QPoint inside = frameRect().topLeft() + QPoint(FrameBorder, FrameBorder);
    return Twips::rect((place % 2) * 1200, (place / 2) * 1200 + 750, 1200, 450).translated(inside);
}

void paint(QPainter &painter, const ShownPage &page, const QPalette &palette)
{
    const QStyle *style = QApplication::style();
    painter.save();
    painter.setClipRect(QRect(QPoint(0, 0), DeviceSize), Qt::IntersectClip);
    painter.fillRect(QRect(QPoint(0, 0), DeviceSize), palette.window());
    drawLabel(painter, titleRect(), Qt::AlignCenter, page.title, Fonts::msSansSerif(), palette);
    drawFrame(painter, palette, style);
    // The places are clipped to the frame, as controls inside it are.
    painter.setClipRect(frameRect(), Qt::IntersectClip);
    const QFont captionFont = Fonts::sansLight();
    for (int index = 0; index < static_cast<int>(page.places.size()); ++index) {
        const ShownPage::Place &place = page.places.at(static_cast<std::size_t>(index));
        if (place.shown && !place.picture.isNull()) {
            painter.save();
            painter.setClipRect(pictureRect(index), Qt::IntersectClip);
            style->drawItemPixmap(&painter, pictureRect(index), Qt::AlignLeft | Qt::AlignTop, place.picture);
            painter.restore();
        }
        drawLabel(painter, captionRect(index), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, place.caption,
                  captionFont, palette);
    }
    painter.restore();
}

} // namespace PagePainter
