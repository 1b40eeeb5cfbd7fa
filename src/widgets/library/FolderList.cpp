#include "library/FolderList.h"

#include "library/NameOrder.h"

#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>

FolderList::FolderList(QWidget *parent)
    : QTreeWidget(parent)
{
    setColumnCount(1);
    header()->hide();
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setIndentation(10);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideRight);
}

bool FolderList::setPath(const QString &folder)
{
    const QDir dir(QDir::cleanPath(QDir(folder).absolutePath()));
    if (!dir.exists() || !dir.isReadable())
        return false;
    QStringList subfolders = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Unsorted);
    NameOrder::sort(subfolders);

    QStringList chain; // from the open folder up to the root
    for (QDir up = dir;;) {
        chain.prepend(up.absolutePath());
        if (up.isRoot() || !up.cdUp())
            break;
    }

    clear();
    m_path = dir.absolutePath();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    QTreeWidgetItem *row = nullptr;
    for (const QString &path : std::as_const(chain)) {
        const QDir step(path);
        const QString text = step.isRoot() ? QDir::toNativeSeparators(path) : step.dirName();
        row = addRow(row, text, path, step.isRoot() ? style()->standardIcon(QStyle::SP_DriveHDIcon) : open);
    }
    QTreeWidgetItem *openRow = row;
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    for (const QString &name : std::as_const(subfolders))
        addRow(openRow, name, dir.filePath(name), closed);
    expandAll();
    setCurrentItem(openRow);
    scrollToItem(openRow, QAbstractItemView::PositionAtTop);
    return true;
}

QTreeWidgetItem *FolderList::addRow(QTreeWidgetItem *parent, const QString &text, const QString &path,
                                    const QIcon &icon)
{
    auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    item->setText(0, text);
    item->setIcon(0, icon);
    item->setData(0, PathRole, path);
    item->setToolTip(0, QDir::toNativeSeparators(path));
    return item;
}

void FolderList::mousePressEvent(QMouseEvent *event)
{
    emit pressed();
    QTreeWidget::mousePressEvent(event);
}

void FolderList::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTreeWidgetItem *item = itemAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || !item) {
        mousePressEvent(event);
        return;
    }
    emit openRequested(item->data(0, PathRole).toString());
}

void FolderList::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem()) {
        emit openRequested(currentItem()->data(0, PathRole).toString());
        return;
    }
    QTreeWidget::keyPressEvent(event);
}
