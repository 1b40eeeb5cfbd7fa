#include "overview/PageCell.h"

#include "overview/OverviewPages.h"
#include "preview/PagePainter.h"

#include <QPainter>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace PageCell {

namespace {

const QColor Fault(200, 0, 0);
const QColor MarkFace(255, 255, 225);

void paintMark(QPainter &painter, const QRect &picture, int target, bool exists)
{
    const QString text = target > 0 ? u"→ %1"_s.arg(target) : u"→ ?"_s;
    QFont font = painter.font();
    font.setPixelSize(10);
    font.setBold(true);
    painter.setFont(font);
    const QRect bounds = painter.fontMetrics().boundingRect(text).adjusted(-3, -1, 3, 1);
    const QRect badge(picture.right() - bounds.width() - 1, picture.top() + 2, bounds.width(), bounds.height());
    painter.setPen(exists ? QColor(Qt::black) : Fault);
    painter.setBrush(exists ? MarkFace : Fault);
    painter.drawRect(badge);
    painter.setPen(exists ? QColor(Qt::black) : QColor(Qt::white));
    painter.drawText(badge, Qt::AlignCenter, text);
}

QString labelText(const OverviewPages &pages, int index)
{
    const QString number = u"Seite %1"_s.arg(pages.page(index).number);
    return pages.page(index).reachable ? number : number + u" (nicht erreichbar)"_s;
}

} // namespace

int frameWidth(int pageWidth)
{
    return std::max(2, pageWidth / 60);
}

void paint(QPainter &painter, const QRect &label, const QRect &page, int index, OverviewPages &pages,
           const QPalette &palette)
{
    const PageDirectory::Page &found = pages.page(index);
    painter.save();
    painter.setPen(found.reachable ? palette.color(QPalette::WindowText) : Fault);
    const QString text = labelText(pages, index);
    // "(nicht erreichbar)" is wider than a small page: the words shrink to
    // fit rather than lose their end.
    const int needed = painter.fontMetrics().horizontalAdvance(text);
    if (needed > label.width() && painter.font().pointSizeF() > 0) {
        QFont smaller = painter.font();
        smaller.setPointSizeF(std::max(5.0, smaller.pointSizeF() * label.width() / needed));
        painter.setFont(smaller);
    }
    painter.drawText(label, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     painter.fontMetrics().elidedText(text, Qt::ElideRight, label.width()));
    if (!found.reachable) {
        const int line = frameWidth(page.width());
        painter.setPen(QPen(Fault, line));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(page.adjusted(-line, -line, line - 1, line - 1));
    }

    painter.translate(page.topLeft());
    painter.scale(qreal(page.width()) / PagePainter::DeviceSize.width(),
                  qreal(page.height()) / PagePainter::DeviceSize.height());
    const ShownPage &shown = pages.shown(index);
    PagePainter::paint(painter, shown, palette);
    for (int place = 0; place < found.placeCount; ++place) {
        const int target = found.targets.at(static_cast<std::size_t>(place));
        if (target != PageDirectory::NoTarget && shown.places.at(static_cast<std::size_t>(place)).shown)
            paintMark(painter, PagePainter::pictureRect(place), target, pages.targetExists(target));
    }
    painter.restore();
}

} // namespace PageCell
