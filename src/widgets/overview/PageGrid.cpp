#include "overview/PageGrid.h"

#include "preview/PagePainter.h"

#include <algorithm>

PageGrid::PageGrid(int pageCount, int width, qreal zoom, int labelHeight)
    : m_pageCount(std::max(0, pageCount))
    , m_zoom(zoom)
    , m_labelHeight(labelHeight)
    , m_pageSize(qRound(PagePainter::DeviceSize.width() * zoom), qRound(PagePainter::DeviceSize.height() * zoom))
    , m_columns(std::max(1, (width - Spacing) / columnPitch()))
{
}

int PageGrid::columnPitch() const
{
    return m_pageSize.width() + Spacing;
}

int PageGrid::rowPitch() const
{
    return m_labelHeight + m_pageSize.height() + Spacing;
}

int PageGrid::rows() const
{
    return (m_pageCount + m_columns - 1) / m_columns;
}

QRect PageGrid::cellRect(int index) const
{
    const int column = index % m_columns;
    const int row = index / m_columns;
    return {Spacing + column * columnPitch(), Spacing + row * rowPitch(), m_pageSize.width(),
            m_labelHeight + m_pageSize.height()};
}

QRect PageGrid::labelRect(int index) const
{
    const QRect cell = cellRect(index);
    return {cell.topLeft(), QSize(cell.width(), m_labelHeight)};
}

QRect PageGrid::pageRect(int index) const
{
    const QRect cell = cellRect(index);
    return {cell.topLeft() + QPoint(0, m_labelHeight), m_pageSize};
}

int PageGrid::contentHeight() const
{
    return Spacing + rows() * rowPitch();
}

int PageGrid::contentWidth() const
{
    return Spacing + m_columns * columnPitch();
}

int PageGrid::pageAt(QPoint point) const
{
    if (point.x() < Spacing || point.y() < Spacing)
        return -1;
    const int column = (point.x() - Spacing) / columnPitch();
    const int row = (point.y() - Spacing) / rowPitch();
    if (column >= m_columns)
        return -1;
    const int index = row * m_columns + column;
    if (index >= m_pageCount || !pageRect(index).contains(point))
        return -1;
    return index;
}

std::pair<int, int> PageGrid::pagesBetween(int top, int bottom) const
{
    const int firstRow = std::max(0, (top - Spacing) / rowPitch());
    const int lastRow = std::max(0, (bottom - Spacing) / rowPitch());
    const int first = firstRow * m_columns;
    const int last = std::min(m_pageCount - 1, (lastRow + 1) * m_columns - 1);
    return {first, last};
}
