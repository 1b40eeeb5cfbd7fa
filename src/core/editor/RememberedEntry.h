#pragma once

#include <QPersistentModelIndex>

class EntryListModel;

// The entry of one list that the user last selected, which the next Return
// in that list's edit field changes or deletes. Each list keeps its own, so
// a click in one list never steers a Return typed into the other. It
// follows its entry when rows are inserted above it, and it is forgotten
// when the entry goes away or the list is cleared, opened or reloaded.
class RememberedEntry
{
public:
    explicit RememberedEntry(const EntryListModel &list);

    // The remembered position, or -1 when none.
    int row() const;
    void remember(int row);
    void forget();

private:
    const EntryListModel &m_list;
    QPersistentModelIndex m_entry;
};
