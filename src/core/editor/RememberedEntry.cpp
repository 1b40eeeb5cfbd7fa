#include "editor/RememberedEntry.h"

#include "model/EntryListModel.h"

RememberedEntry::RememberedEntry(const EntryListModel &list)
    : m_list(list)
{
}

int RememberedEntry::row() const
{
    return m_entry.isValid() ? m_entry.row() : -1;
}

void RememberedEntry::remember(int row)
{
    // An index outside the list is invalid, so a stray position means none.
    m_entry = QPersistentModelIndex(m_list.index(row));
}

void RememberedEntry::forget()
{
    m_entry = QPersistentModelIndex();
}
