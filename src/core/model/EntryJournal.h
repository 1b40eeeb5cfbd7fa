#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class EntryListModel;

// The changes one step made to a list, kept so that the step can be taken
// back and made again. A list that was replaced as a whole is kept in one
// place only: while the step stands the journal holds the list it replaced,
// while it is undone the list it brought; so a million records opened,
// cleared and brought back exist once, whatever the step.
class EntryJournal
{
public:
    bool isEmpty() const { return m_edits.empty(); }

    // Told by the list while the journal is attached to it.
    void inserted(int row, const QString &entry);
    void removed(int row, const QString &entry);
    void replaced(int row, const QString &before);
    void replacedAll(QStringList before);

    // Applied with the journal detached from `list`.
    void undo(EntryListModel &list);
    void redo(EntryListModel &list);

private:
    enum class Kind { Insert, Remove, Replace, ReplaceAll };

    struct Edit
    {
        Kind kind;
        int row = 0;
        QString entry;       // inserted or removed; for Replace the text not shown
        QStringList entries; // for ReplaceAll the list not shown
    };

    static void apply(EntryListModel &list, Edit &edit, bool forward);

    std::vector<Edit> m_edits;
};
