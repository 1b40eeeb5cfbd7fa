#pragma once

#include <QRect>

// Where the overview puts each page: cells of equal size, left to right
// and then down, as many to a row as the width holds (at least one). A
// cell is the page's number label above the page itself.
class PageGrid
{
public:
    static constexpr int Spacing = 16;

    PageGrid(int pageCount, int width, qreal zoom, int labelHeight);

    int pageCount() const { return m_pageCount; }
    int columns() const { return m_columns; }
    int rows() const;
    qreal zoom() const { return m_zoom; }
    QSize pageSize() const { return m_pageSize; }
    int labelHeight() const { return m_labelHeight; }

    // In content coordinates, the top left of the first cell at
    // (Spacing, Spacing).
    QRect cellRect(int index) const;
    QRect labelRect(int index) const;
    QRect pageRect(int index) const;
    int contentHeight() const;
    int contentWidth() const;

    // The page whose picture holds `point`, or -1.
    int pageAt(QPoint point) const;
    // The first and the last page of the rows that meet the band from
    // `top` to `bottom`; first > last when none.
    std::pair<int, int> pagesBetween(int top, int bottom) const;

private:
    int rowPitch() const;
    int columnPitch() const;

    int m_pageCount;
    qreal m_zoom;
    int m_labelHeight;
    QSize m_pageSize;
    int m_columns;
};
