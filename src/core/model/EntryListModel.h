#pragma once

#include <QAbstractListModel>
#include <QStringList>

class EntryJournal;

// The entries of one of the main window's two lists (the menu records or
// the vocabulary lines). The list is the store: views show it, the file
// routines fill and read it, the builder appends to it.
class EntryListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit EntryListModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    int count() const { return static_cast<int>(m_entries.size()); }
    bool isEmpty() const { return m_entries.isEmpty(); }
    const QString &at(int row) const { return m_entries.at(row); }
    const QStringList &entries() const { return m_entries; }

    void append(const QString &entry);
    void insert(int row, const QString &entry);
    void replace(int row, const QString &entry);
    void remove(int row);
    // Both reset the model, which tells everyone that positions they
    // remembered no longer mean anything; entries for an empty list are
    // inserted rows.
    void clear();
    void setEntries(QStringList entries);

    // Every change from now on is told to `journal`; nullptr ends that.
    void setJournal(EntryJournal *journal) { m_journal = journal; }

private:
    QStringList m_entries;
    EntryJournal *m_journal = nullptr;
};
