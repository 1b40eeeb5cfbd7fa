#pragma once

#include <QString>

class EntryListModel;

// What Return in a list's edit field does: with no entry remembered the
// text is appended (an empty one too); otherwise the remembered entry is
// replaced by the text, or removed when the text is empty. A text of blanks
// is not empty. Nothing typed is checked or altered.
class ReturnLogic
{
public:
    enum class Action { Added, Changed, Deleted };

    struct Outcome
    {
        Action action;
        int row;          // where the entry was added, changed or removed
        QString editText; // what the edit field shows afterwards
    };

    // `remembered` is the position last selected in `list`; -1, or one past
    // the end of the list, counts as none.
    static Outcome apply(EntryListModel &list, int remembered, const QString &text);
};
