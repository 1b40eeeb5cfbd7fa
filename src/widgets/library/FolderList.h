#pragma once

#include <QTreeWidget>

// Dir1: the folder list. It shows the open folder's path from the root down
// (each folder on the way a row, indented one step further), then the open
// folder's subfolders. A double-click (or Enter) on a row asks to open that
// folder; any mouse press is reported, as the button folder is taken then.
class FolderList : public QTreeWidget
{
    Q_OBJECT

public:
    explicit FolderList(QWidget *parent = nullptr);

    // The open folder, in Qt's path form.
    QString path() const { return m_path; }
    // Opens `folder` and lists it; false (and nothing changes) when it
    // cannot be read.
    bool setPath(const QString &folder);

    static constexpr int PathRole = Qt::UserRole;

signals:
    void pressed();
    void openRequested(const QString &folder);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    // Rows are indented, without the tree's expand marks: nothing folds.
    void drawBranches(QPainter *, const QRect &, const QModelIndex &) const override { }

private:
    QTreeWidgetItem *addRow(QTreeWidgetItem *parent, const QString &text, const QString &path, const QIcon &icon);

    QString m_path;
};
