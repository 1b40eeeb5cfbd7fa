#pragma once

#include "preview/RenderedPage.h"

#include <QStringList>

#include <array>
#include <vector>

// The pages of a menu in list order, found in one pass over the records by
// the rules the preview uses for one page: a run of page openers, then up
// to six items. Each page keeps its rows, so drawing any page or finding
// the record of a place never searches the list again.
class PageDirectory
{
public:
    // Places that do not turn the page.
    static constexpr int NoTarget = -1;

    struct Page
    {
        int number = 0;       // of its last opener, as the device reads it
        qsizetype opener = 0; // the first row of its run of openers
        qsizetype header = 0; // the last row of that run
        qsizetype firstItem = 0;
        int placeCount = 0; // the items the device shows, at most six
        // The opener whose title the page shows: its own, or for a run that
        // carries none the one an earlier page showed; -1 for none at all.
        qsizetype titleRow = -1;
        // Per place: the page number a page turn names (0 when its record
        // names none), NoTarget for every other place.
        std::array<int, RenderedPage::PlaceCount> targets{NoTarget, NoTarget, NoTarget, NoTarget, NoTarget, NoTarget};
        // Whether a chain of page turns leads here from the first page.
        bool reachable = false;
    };

    PageDirectory() = default;
    explicit PageDirectory(const QStringList &records);

    int count() const { return static_cast<int>(m_pages.size()); }
    const Page &page(int index) const { return m_pages.at(static_cast<std::size_t>(index)); }
    // The first page in list order with this number; -1 when there is none.
    int indexOfNumber(int number) const;

    // The page as the preview draws it on a fresh window, with the title it
    // carries over from an earlier page when its own run has none.
    RenderedPage render(int index, const QStringList &records, const QStringList &buttonFiles,
                        const QStringList &vocabulary) const;

private:
    void markReachable();

    std::vector<Page> m_pages;
    // The device reads two digits, so page numbers stay below 100.
    std::array<int, 100> m_firstOfNumber{};
};
