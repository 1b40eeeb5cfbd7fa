#include "overview/PageGridView.h"

#include "overview/OverviewPages.h"
#include "preview/PagePainter.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <array>

namespace {

constexpr std::array Zooms{0.5, 0.75, 1.0, 1.5, 2.0, 3.0};

} // namespace

PageGridView::PageGridView(OverviewPages &pages, QWidget *parent)
    : QAbstractScrollArea(parent)
    , m_pages(pages)
{
    // Zoomed in on a narrow window, a page is wider than the view.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setBackgroundRole(QPalette::Window);
    updateScrollBar();
}

PageGrid PageGridView::grid() const
{
    return {m_pages.count(), viewport()->width(), m_zoom, fontMetrics().height() + 4};
}

void PageGridView::setZoom(qreal zoom)
{
    zoom = std::clamp(zoom, SmallestZoom, LargestZoom);
    if (qFuzzyCompare(zoom, m_zoom))
        return;
    // The page at the top stays in sight.
    const std::pair<int, int> shown = grid().pagesBetween(verticalScrollBar()->value(), verticalScrollBar()->value());
    m_zoom = zoom;
    updateScrollBar();
    if (shown.first < m_pages.count())
        verticalScrollBar()->setValue(grid().cellRect(shown.first).top() - PageGrid::Spacing);
    viewport()->update();
}

void PageGridView::zoomIn()
{
    for (const qreal step : Zooms) {
        if (step > m_zoom + 0.01) {
            setZoom(step);
            return;
        }
    }
}

void PageGridView::zoomOut()
{
    // From the largest down: the first one below the present zoom.
    const auto smaller =
        std::find_if(Zooms.crbegin(), Zooms.crend(), [this](qreal step) { return step < m_zoom - 0.01; });
    if (smaller != Zooms.crend())
        setZoom(*smaller);
}

void PageGridView::pagesChanged()
{
    updateScrollBar();
    viewport()->update();
}

void PageGridView::updateScrollBar()
{
    const PageGrid layout = grid();
    QScrollBar *bar = verticalScrollBar();
    bar->setRange(0, std::max(0, layout.contentHeight() - viewport()->height()));
    bar->setPageStep(viewport()->height());
    bar->setSingleStep(layout.pageSize().height() / 4);
    QScrollBar *across = horizontalScrollBar();
    across->setRange(0, std::max(0, layout.contentWidth() - viewport()->width()));
    across->setPageStep(viewport()->width());
    across->setSingleStep(layout.pageSize().width() / 4);
}

void PageGridView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBar();
}

void PageGridView::scrollContentsBy(int dx, int dy)
{
    // What stays in sight is moved, not drawn again: a step draws only
    // the band it brings in.
    viewport()->scroll(dx, dy);
}

void PageGridView::paintEvent(QPaintEvent *event)
{
    m_pages.ensureCurrent();
    QPainter painter(viewport());
    const PageGrid layout = grid();
    const int offset = verticalScrollBar()->value();
    const QRect dirty = event->rect();
    const auto [first, last] = layout.pagesBetween(dirty.top() + offset, dirty.bottom() + offset);
    painter.translate(-horizontalScrollBar()->value(), -offset);
    const OverviewPages::CellLook look{
        .pageSize = layout.pageSize(),
        .labelHeight = layout.labelHeight(),
        .font = viewport()->font(),
        .palette = palette(),
        .pixelRatio = viewport()->devicePixelRatioF(),
    };
    const QMargins margins = OverviewPages::cellMargins(look);
    for (int index = first; index <= last; ++index) {
        const QPoint corner = layout.labelRect(index).topLeft() - QPoint(margins.left(), margins.top());
        painter.drawPixmap(corner, m_pages.cell(index, look));
    }
}

void PageGridView::mouseReleaseEvent(QMouseEvent *event)
{
    QAbstractScrollArea::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    m_pages.ensureCurrent();
    const PageGrid layout = grid();
    const QPoint point =
        event->position().toPoint() + QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const int index = layout.pageAt(point);
    if (index < 0)
        return;
    // Back into the page's own coordinates, where the places lie.
    const QRect page = layout.pageRect(index);
    const QPointF inPage(qreal(point.x() - page.left()) * PagePainter::DeviceSize.width() / page.width(),
                         qreal(point.y() - page.top()) * PagePainter::DeviceSize.height() / page.height());
    const auto hits = [&inPage](const QRect &rect) { return QRectF(rect).contains(inPage); };
    int place = -2;
    if (hits(PagePainter::titleRect()))
        place = -1;
    for (int candidate = 0; candidate < RenderedPage::PlaceCount; ++candidate) {
        if (hits(PagePainter::pictureRect(candidate)) || hits(PagePainter::captionRect(candidate)))
            place = candidate;
    }
    const int row = place < -1 ? -1 : m_pages.recordOf(index, place);
    if (row >= 0)
        emit recordClicked(row);
}
