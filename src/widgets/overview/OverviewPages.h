#pragma once

#include "preview/PageDirectory.h"
#include "preview/ShownPage.h"

#include <QHash>
#include <QPixmap>

#include <unordered_map>

struct ProgramState;

// The pages of the record list for the overview and the exports: found
// once a change, drawn when first asked for and kept until the next change.
class OverviewPages
{
public:
    explicit OverviewPages(const ProgramState &state);

    // The record list changed: the pages are found again when next asked
    // for, and whatever was drawn from the old list goes.
    void markStale() { m_stale = true; }
    // Finds the pages again if the list changed since they were found.
    void ensureCurrent();
    // The vocabulary changed: pages are drawn again with new captions.
    void forgetDrawn() { m_shown.clear(); }
    // The button files or their folder changed: the pictures are read again.
    void forgetPictures();

    int count() const { return m_directory.count(); }
    const PageDirectory::Page &page(int index) const { return m_directory.page(index); }
    // The page as the device shows it on its own.
    const ShownPage &shown(int index);
    // Whether some page carries the number a page turn names.
    bool targetExists(int number) const { return m_directory.indexOfNumber(number) >= 0; }

    // The record of a place, or of the title line (place -1); -1 for an
    // empty place.
    int recordOf(int index, int place) const;

private:
    QPixmap picture(const std::optional<QString> &file);

    const ProgramState &m_state;
    PageDirectory m_directory;
    bool m_stale = true;
    std::unordered_map<int, ShownPage> m_shown;
    QHash<QString, QPixmap> m_pictures;
};
