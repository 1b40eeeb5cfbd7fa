#include "editor/EntryListView.h"

#include "common/DragData.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QPainter>
#include <QStyleOption>

EntryListView::EntryListView(QWidget *parent)
    : QListView(parent)
{
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
}

int EntryListView::dropPlace(QPoint position) const
{
    const QModelIndex index = indexAt(position);
    if (!index.isValid())
        return model() ? model()->rowCount() : 0;
    return position.y() < visualRect(index).center().y() ? index.row() : index.row() + 1;
}

void EntryListView::mousePressEvent(QMouseEvent *event)
{
    QListView::mousePressEvent(event);
    const QModelIndex pressed = indexAt(event->position().toPoint());
    m_pressedRow = event->button() == Qt::LeftButton && pressed.isValid() ? pressed.row() : -1;
    m_pressedAt = event->position().toPoint();
}

void EntryListView::mouseMoveEvent(QMouseEvent *event)
{
    // The view would start a drag only for entries its model calls
    // draggable, and drag a selection along otherwise.
    if (m_pressedRow >= 0 && (event->buttons() & Qt::LeftButton)
        && (event->position().toPoint() - m_pressedAt).manhattanLength() >= QApplication::startDragDistance()) {
        m_pressedRow = -1;
        startDrag(Qt::MoveAction);
        return;
    }
    QListView::mouseMoveEvent(event);
}

void EntryListView::startDrag(Qt::DropActions)
{
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return;
    auto *drag = new QDrag(this);
    drag->setMimeData(DragData::forRecord(current.row()));
    const QRect row = visualRect(current);
    drag->setPixmap(viewport()->grab(row));
    drag->setHotSpot(viewport()->mapFromGlobal(QCursor::pos()) - row.topLeft());
    drag->exec(Qt::MoveAction);
}

bool EntryListView::takes(const QDropEvent *event)
{
    return DragData::record(event->mimeData()) || DragData::button(event->mimeData());
}

void EntryListView::dragEnterEvent(QDragEnterEvent *event)
{
    if (!takes(event)) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    showDropPlace(dropPlace(event->position().toPoint()));
}

void EntryListView::dragMoveEvent(QDragMoveEvent *event)
{
    if (!takes(event)) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    const QPoint position = event->position().toPoint();
    showDropPlace(dropPlace(position));
    if (position.y() < autoScrollMargin() || position.y() > viewport()->height() - autoScrollMargin())
        startAutoScroll();
}

void EntryListView::dragLeaveEvent(QDragLeaveEvent *)
{
    stopAutoScroll();
    showDropPlace(-1);
}

void EntryListView::dropEvent(QDropEvent *event)
{
    stopAutoScroll();
    showDropPlace(-1);
    if (!takes(event)) {
        event->ignore();
        return;
    }
    const int before = dropPlace(event->position().toPoint());
    event->acceptProposedAction();
    if (const auto row = DragData::record(event->mimeData()))
        emit entryDropped(*row, before);
    else if (const auto command = DragData::button(event->mimeData()))
        emit buttonDropped(*command, before);
}

void EntryListView::showDropPlace(int place)
{
    if (place == m_dropPlace)
        return;
    m_dropPlace = place;
    viewport()->update();
}

void EntryListView::paintEvent(QPaintEvent *event)
{
    QListView::paintEvent(event);
    if (m_dropPlace < 0 || !model())
        return;
    const int count = model()->rowCount();
    int y = 0;
    if (m_dropPlace < count)
        y = visualRect(model()->index(m_dropPlace, 0)).top();
    else if (count > 0)
        y = visualRect(model()->index(count - 1, 0)).bottom() + 1;
    QPainter painter(viewport());
    QStyleOption option;
    option.initFrom(this);
    option.rect = QRect(0, y, viewport()->width(), 0);
    style()->drawPrimitive(QStyle::PE_IndicatorItemViewItemDrop, &option, &painter, this);
}
