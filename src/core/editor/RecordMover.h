#pragma once

#include <QString>

class EntryListModel;

// Moves the selected record up or down by one or ten places. A move that
// does not fit the list is refused as a whole: it is never shortened to the
// end of the list.
class RecordMover
{
public:
    enum class Result { NoSelection, Refused, Moved };

    struct Outcome
    {
        Result result;
        int row = -1; // the entry's new position when moved
    };

    // Takes the entry at `selected` out and puts `editText` in at the new
    // place, so an edit not yet confirmed with Return travels along.
    static Outcome move(EntryListModel &list, int selected, int step, const QString &editText);
};
