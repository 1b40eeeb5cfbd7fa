#include "files/ChangeTracker.h"

#include "model/AnyChange.h"
#include "model/EntryListModel.h"

ChangeTracker::ChangeTracker(EntryListModel &model, QObject *parent)
    : QObject(parent)
    , m_model(model)
    , m_saved(model.entries())
{
    connectAnyChange(model, this, &ChangeTracker::noteChange);
}

void ChangeTracker::markSaved()
{
    // Shares the model's list: no copy until one of them changes.
    m_saved = m_model.entries();
    m_matchedAt = m_changes;
}

void ChangeTracker::replaceWithFile(QStringList entries)
{
    m_model.setEntries(std::move(entries));
    markSaved();
}

bool ChangeTracker::differs() const
{
    if (m_changes == m_matchedAt)
        return false;
    if (m_model.entries() != m_saved)
        return true;
    m_matchedAt = m_changes;
    return false;
}

void ChangeTracker::noteChange()
{
    ++m_changes;
}
