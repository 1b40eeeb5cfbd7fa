#pragma once

#include "overview/PageGrid.h"

#include <QAbstractScrollArea>

class OverviewPages;

// The scrolling grid of pages. Only the rows in sight are drawn, so a
// menu of any length scrolls as fast as a short one. A click on a place
// (or on the title line) names the record it was drawn from.
class PageGridView : public QAbstractScrollArea
{
    Q_OBJECT

public:
    static constexpr qreal SmallestZoom = 0.5;
    static constexpr qreal LargestZoom = 3.0;

    PageGridView(OverviewPages &pages, QWidget *parent);

    qreal zoom() const { return m_zoom; }
    void setZoom(qreal zoom);
    void zoomIn();
    void zoomOut();

    // The layout for the present width and zoom.
    PageGrid grid() const;
    // The pages are found again; called once their list changed.
    void pagesChanged();

signals:
    void recordClicked(int row);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void updateScrollBar();

    OverviewPages &m_pages;
    qreal m_zoom = 1.0;
};
