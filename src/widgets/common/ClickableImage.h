#pragma once

#include <QLabel>

#include <optional>

// An image control: shows a picture and reports a click of the left button.
// A draggable one reports instead a press that moves away far enough to
// start a drag; that press is no click.
class ClickableImage : public QLabel
{
    Q_OBJECT

public:
    explicit ClickableImage(QWidget *parent = nullptr);

    void setDraggable(bool draggable) { m_draggable = draggable; }

signals:
    void clicked();
    void dragStarted();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_draggable = false;
    std::optional<QPoint> m_pressedAt;
    bool m_dragged = false;
};
