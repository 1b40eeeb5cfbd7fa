#pragma once

#include <QtGlobal>

// One page as the device finds it in the records. The records of a page
// follow each other: first a run of openers (the last one gives the
// number, the run is what the device skips while it looks for the page),
// then the places, up to the record that opens the next page.
struct MenuPage
{
    int number = 0;
    qsizetype firstOpener = 0;
    qsizetype lastOpener = 0;
    qsizetype firstPlace = 0;
    qsizetype end = 0; // one past the last place
    // The opener whose title the device shows; -1: none has room for one.
    qsizetype titleRecord = -1;

    qsizetype placeCount() const { return end - firstPlace; }
};
