#pragma once

#include "files/MenuChanges.h"

#include <QObject>
#include <QStringList>

class EntryListModel;

// Tells whether a list differs from what its file held when it was last
// saved or opened. Every change of the model counts; the lists themselves
// are compared only when something changed since they last matched, so
// asking is cheap also for a hundred thousand entries.
class ChangeTracker : public QObject, public MenuChanges
{
    Q_OBJECT

public:
    // An empty list that was never saved counts as unchanged.
    explicit ChangeTracker(EntryListModel &model, QObject *parent = nullptr);

    // The model's entries are now what the file holds.
    void markSaved() override;
    bool differs() const override;
    void replaceWithFile(QStringList entries) override;

private:
    void noteChange();

    EntryListModel &m_model;
    QStringList m_saved;
    quint64 m_changes = 0;
    mutable quint64 m_matchedAt = 0;
};
