#include "model/EntryJournal.h"

#include "model/EntryListModel.h"

#include <algorithm>

void EntryJournal::inserted(int row, const QString &entry)
{
    m_edits.push_back({.kind = Kind::Insert, .row = row, .entry = entry, .entries = {}});
}

void EntryJournal::removed(int row, const QString &entry)
{
    m_edits.push_back({.kind = Kind::Remove, .row = row, .entry = entry, .entries = {}});
}

void EntryJournal::replaced(int row, const QString &before)
{
    m_edits.push_back({.kind = Kind::Replace, .row = row, .entry = before, .entries = {}});
}

void EntryJournal::replacedAll(QStringList before)
{
    m_edits.push_back({.kind = Kind::ReplaceAll, .row = 0, .entry = {}, .entries = std::move(before)});
}

void EntryJournal::undo(EntryListModel &list)
{
    std::for_each(m_edits.rbegin(), m_edits.rend(), [&list](Edit &edit) { apply(list, edit, false); });
}

void EntryJournal::redo(EntryListModel &list)
{
    for (Edit &edit : m_edits)
        apply(list, edit, true);
}

void EntryJournal::apply(EntryListModel &list, Edit &edit, bool forward)
{
    switch (edit.kind) {
    case Kind::Insert:
    case Kind::Remove:
        if ((edit.kind == Kind::Insert) == forward)
            list.insert(edit.row, edit.entry);
        else
            list.remove(edit.row);
        return;
    case Kind::Replace: {
        // Undo and redo are the same exchange of the shown and the kept text.
        QString shown = list.at(edit.row);
        list.replace(edit.row, edit.entry);
        edit.entry = std::move(shown);
        return;
    }
    case Kind::ReplaceAll: {
        // The shown list is shared, not copied, and then given up by the list.
        QStringList shown = list.entries();
        list.setEntries(std::move(edit.entries));
        edit.entries = std::move(shown);
        return;
    }
    }
}
