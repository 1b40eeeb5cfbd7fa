#include "model/EntryListModel.h"

EntryListModel::EntryListModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

int EntryListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant EntryListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.parent().isValid() || index.row() >= count())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return m_entries.at(index.row());
    return {};
}

void EntryListModel::append(const QString &entry)
{
    insert(count(), entry);
}

void EntryListModel::insert(int row, const QString &entry)
{
    Q_ASSERT(row >= 0 && row <= count());
    beginInsertRows({}, row, row);
    m_entries.insert(row, entry);
    endInsertRows();
}

void EntryListModel::replace(int row, const QString &entry)
{
    Q_ASSERT(row >= 0 && row < count());
    m_entries[row] = entry;
    const QModelIndex changed = index(row);
    emit dataChanged(changed, changed, {Qt::DisplayRole, Qt::EditRole});
}

void EntryListModel::remove(int row)
{
    Q_ASSERT(row >= 0 && row < count());
    beginRemoveRows({}, row, row);
    m_entries.removeAt(row);
    endRemoveRows();
}

void EntryListModel::clear()
{
    setEntries({});
}

void EntryListModel::setEntries(QStringList entries)
{
    beginResetModel();
    m_entries = std::move(entries);
    endResetModel();
}
