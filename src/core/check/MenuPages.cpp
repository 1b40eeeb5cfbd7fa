#include "check/MenuPages.h"

#include "model/RecordFields.h"

namespace MenuPages {

Layout read(const QStringList &records)
{
    Layout layout;
    const qsizetype count = records.size();
    // The first line of the menu is never part of a page.
    qsizetype index = 1;
    while (index < count) {
        int page = RecordFields::pageNumber(records.at(index));
        if (!RecordFields::mayOpenPage(records.at(index), page)) {
            layout.beforeFirstPage.append(index);
            ++index;
            continue;
        }
        MenuPage current;
        current.firstOpener = index;
        // The device takes a run of openers one after the other, as long as
        // none names a lower page than the one before; the last one wins.
        while (index < count) {
            const QString &record = records.at(index);
            page = RecordFields::pageNumber(record);
            if (!RecordFields::mayOpenPage(record, page) || page < current.number)
                break;
            current.number = page;
            current.lastOpener = index;
            if (RecordFields::carriesTitle(record, page))
                current.titleRecord = index;
            ++index;
        }
        current.firstPlace = index;
        while (index < count) {
            const QString &record = records.at(index);
            if (RecordFields::opensNextPage(record, RecordFields::pageNumber(record)))
                break;
            ++index;
        }
        current.end = index;
        layout.pages.append(current);
    }
    return layout;
}

} // namespace MenuPages
