#include "overview/PageGridView.h"

#include "overview/OverviewPages.h"
#include "overview/PageCell.h"
#include "preview/PagePainter.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <array>

namespace {

constexpr std::array Zooms{0.5, 0.75, 1.0, 1.5, 2.0, 3.0};

} // namespace

PageGridView::PageGridView(OverviewPages &pages, QWidget *parent)
    : QAbstractScrollArea(parent)
    , m_pages(pages)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
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
    for (auto step = Zooms.rbegin(); step != Zooms.rend(); ++step) {
        if (*step < m_zoom - 0.01) {
            setZoom(*step);
            return;
        }
    }
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
}

void PageGridView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBar();
}

void PageGridView::paintEvent(QPaintEvent *event)
{
    m_pages.ensureCurrent();
    QPainter painter(viewport());
    const PageGrid layout = grid();
    const int offset = verticalScrollBar()->value();
    const QRect dirty = event->rect();
    const auto [first, last] = layout.pagesBetween(dirty.top() + offset, dirty.bottom() + offset);
    painter.translate(0, -offset);
    for (int index = first; index <= last; ++index)
        PageCell::paint(painter, layout.labelRect(index), layout.pageRect(index), index, m_pages, palette());
}

void PageGridView::mouseReleaseEvent(QMouseEvent *event)
{
    QAbstractScrollArea::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    m_pages.ensureCurrent();
    const PageGrid layout = grid();
    const QPoint point = event->position().toPoint() + QPoint(0, verticalScrollBar()->value());
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
