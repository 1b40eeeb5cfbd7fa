#include "preview/PageDirectory.h"

#include "model/RecordFields.h"
#include "preview/PreviewRenderer.h"

using namespace Qt::StringLiterals;

namespace {

bool turnsPage(QStringView record, int number)
{
    // The preview turns the page at a place whose command reads "PAGE",
    // which only "MENUITEM|TASK_PAGE|" and its numbered forms can give.
    if (record.size() < 19 || record.size() > RecordFields::OpenerLength)
        return false;
    const QStringView command = RecordFields::command(record, number);
    return command.size() == 4 && command.compare(u"PAGE"_s, Qt::CaseInsensitive) == 0;
}

// The run of openers from `row` on: the page's number, its rows and the
// title it shows. Returns the row behind the run.
qsizetype readRun(const QStringList &records, qsizetype row, PageDirectory::Page &page, qsizetype &titleRow)
{
    page.opener = row;
    for (; row < records.size(); ++row) {
        const QString &record = records.at(row);
        const int number = RecordFields::pageNumber(record);
        // Each opener raises the page the preview looks for, so one with a
        // lower number than the opener before it is an item.
        if (!RecordFields::mayOpenPage(record, number) || number < page.number)
            break;
        page.number = number;
        page.header = row;
        if (RecordFields::carriesTitle(record, number))
            titleRow = row;
    }
    return row;
}

// The items from `row` on, at most six. Returns the row to search on from:
// behind the items, or a 21-character page turn among them, which opens
// a page of its own for the preview's next search.
qsizetype readPlaces(const QStringList &records, qsizetype row, PageDirectory::Page &page)
{
    page.firstItem = row;
    qsizetype hiddenOpener = -1;
    for (int place = 0; place < RenderedPage::PlaceCount && row < records.size(); ++place, ++row) {
        const QString &record = records.at(row);
        const int number = RecordFields::pageNumber(record);
        if (RecordFields::opensNextPage(record, number))
            break;
        if (turnsPage(record, number))
            page.targets.at(static_cast<std::size_t>(place)) = number;
        if (hiddenOpener < 0 && RecordFields::mayOpenPage(record, number))
            hiddenOpener = row;
        ++page.placeCount;
    }
    return hiddenOpener >= 0 ? hiddenOpener : row;
}

} // namespace

PageDirectory::PageDirectory(const QStringList &records)
{
    m_firstOfNumber.fill(-1);
    qsizetype titleRow = -1;
    // The first line of the menu is never part of a page.
    qsizetype row = 1;
    while (row < records.size()) {
        const QString &candidate = records.at(row);
        if (!RecordFields::mayOpenPage(candidate, RecordFields::pageNumber(candidate))) {
            ++row;
            continue;
        }
        Page page;
        row = readRun(records, row, page, titleRow);
        // Openers up to the end of the list draw nothing.
        if (row >= records.size())
            break;
        page.titleRow = titleRow;
        row = readPlaces(records, row, page);
        if (indexOfNumber(page.number) < 0 && page.number < static_cast<int>(m_firstOfNumber.size()))
            m_firstOfNumber.at(static_cast<std::size_t>(page.number)) = count();
        m_pages.push_back(page);
    }
    markReachable();
}

int PageDirectory::indexOfNumber(int number) const
{
    if (number < 0 || number >= static_cast<int>(m_firstOfNumber.size()))
        return -1;
    return m_firstOfNumber.at(static_cast<std::size_t>(number));
}

void PageDirectory::markReachable()
{
    if (m_pages.empty())
        return;
    // The device opens the menu on its first page.
    std::vector<int> waiting{0};
    m_pages.front().reachable = true;
    while (!waiting.empty()) {
        const Page &from = m_pages.at(static_cast<std::size_t>(waiting.back()));
        waiting.pop_back();
        for (const int target : from.targets) {
            const int index = target == NoTarget ? -1 : indexOfNumber(target);
            if (index < 0 || m_pages.at(static_cast<std::size_t>(index)).reachable)
                continue;
            m_pages.at(static_cast<std::size_t>(index)).reachable = true;
            waiting.push_back(index);
        }
    }
}

RenderedPage PageDirectory::render(int index, const QStringList &records, const QStringList &buttonFiles,
                                   const QStringList &vocabulary) const
{
    const Page &found = page(index);
    // Only the page's own rows, behind a stand-in for the first line: the
    // renderer then finds this page at once, whatever its number.
    QStringList rows;
    rows.reserve(1 + (found.firstItem - found.opener) + found.placeCount);
    rows.append(QString());
    for (qsizetype row = found.opener; row < found.firstItem + found.placeCount; ++row)
        rows.append(records.at(row));
    RenderedPage rendered = PreviewRenderer::render(rows, 0, buttonFiles, vocabulary);
    if (!rendered.title && found.titleRow >= 0) {
        const QString &opener = records.at(found.titleRow);
        rendered.title = RecordFields::title(opener, RecordFields::pageNumber(opener)).toString();
    }
    return rendered;
}
