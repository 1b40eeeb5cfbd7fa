#include "common/ClickableImage.h"

#include <QApplication>
#include <QMouseEvent>

ClickableImage::ClickableImage(QWidget *parent)
    : QLabel(parent)
{
    setScaledContents(false);
}

void ClickableImage::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressedAt = event->position().toPoint();
        m_dragged = false;
    }
    QLabel::mousePressEvent(event);
}

void ClickableImage::mouseMoveEvent(QMouseEvent *event)
{
    if (m_draggable && m_pressedAt && (event->buttons() & Qt::LeftButton)
        && (event->position().toPoint() - *m_pressedAt).manhattanLength() >= QApplication::startDragDistance()) {
        m_pressedAt.reset();
        m_dragged = true;
        emit dragStarted();
        return;
    }
    QLabel::mouseMoveEvent(event);
}

void ClickableImage::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        const bool dragged = m_dragged;
        m_pressedAt.reset();
        m_dragged = false;
        if (!dragged && rect().contains(event->position().toPoint()))
            emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}
