#include "editor/RecordMover.h"

#include "model/EntryListModel.h"

RecordMover::Outcome RecordMover::move(EntryListModel &list, int selected, int step, const QString &editText)
{
    const int p = selected;
    const int n = list.count();
    if (p < 0 || p >= n)
        return {Result::NoSelection};

    // Tested in this order, each refused silently: the first going up by
    // one, fewer than ten entries below or above for a move of ten, the last
    // going down by one; and any other step that would leave the list.
    const Outcome refused{Result::Refused};
    if (step == -1 && p == 0)
        return refused;
    if (step == 10 && p >= n - 10)
        return refused;
    if (step == -10 && p <= 9)
        return refused;
    if (p + step == n || p + step < 0 || p + step > n)
        return refused;

    const int q = p + step;
    list.remove(p);
    list.insert(q, editText);
    return {Result::Moved, q};
}
