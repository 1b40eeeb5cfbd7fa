#pragma once

#include "BenchFolder.h"
#include "ShownWindow.h"

#include <QListView>
#include <QStringListModel>

class EntryListBox;

// The main window with a menu of 1,000,000 records in its record list, and
// the floor: the same lines in a QStringListModel, shown in a QListView of
// the record list's size with the same uniform rows.
struct LongMenu
{
    static constexpr int Records = 1'000'000;
    static constexpr int Middle = 500'000;

    explicit LongMenu(BenchFolder &folder);

    // Both lists hold the menu again, shown and laid out; untimed.
    void restore();

    ShownWindow shown;
    QStringList records;
    EntryListBox *box = nullptr;
    QStringListModel floorModel;
    QListView floorView;
};
