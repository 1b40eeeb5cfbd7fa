#include "model/EntryListModel.h"

#include "model/EntryJournal.h"

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
    if (m_journal)
        m_journal->inserted(row, entry);
}

void EntryListModel::replace(int row, const QString &entry)
{
    Q_ASSERT(row >= 0 && row < count());
    if (m_journal)
        m_journal->replaced(row, m_entries.at(row));
    m_entries[row] = entry;
    const QModelIndex changed = index(row);
    emit dataChanged(changed, changed, {Qt::DisplayRole, Qt::EditRole});
}

void EntryListModel::remove(int row)
{
    Q_ASSERT(row >= 0 && row < count());
    if (m_journal)
        m_journal->removed(row, m_entries.at(row));
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
    if (m_journal && !(m_entries.isEmpty() && entries.isEmpty()))
        m_journal->replacedAll(m_entries);
    // An empty list that gains rows leaves no position to forget: told of
    // an insertion, a view keeps its state, where after a reset a combo box
    // puts the first row into its edit field (laid out, only to be cleared).
    if (m_entries.isEmpty() && !entries.isEmpty()) {
        beginInsertRows({}, 0, static_cast<int>(entries.size()) - 1);
        m_entries = std::move(entries);
        endInsertRows();
        return;
    }
    beginResetModel();
    m_entries = std::move(entries);
    endResetModel();
}
