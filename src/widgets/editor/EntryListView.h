#pragma once

#include <QListView>

// The list of the record list box, where records are dragged to another
// place and button pictures dropped between two records. While a drag
// hovers over it a line shows where the drop would land. Only drags that
// began in this program are taken.
class EntryListView : public QListView
{
    Q_OBJECT

public:
    explicit EntryListView(QWidget *parent = nullptr);

    // The entry a drop at `position` (in the viewport) would go before; the
    // count of entries below the last one.
    int dropPlace(QPoint position) const;

signals:
    void entryDropped(int row, int before);
    void buttonDropped(const QString &command, int before);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    static bool takes(const QDropEvent *event);
    void showDropPlace(int place);

    int m_dropPlace = -1; // -1: no drag over the list
    int m_pressedRow = -1;
    QPoint m_pressedAt;
};
