#include "model/RecordFields.h"

#include "model/PageNumber.h"

#include <algorithm>

namespace RecordFields {

namespace {

QStringView sliceOf(QStringView text, qsizetype from, qsizetype count)
{
    if (from >= text.size() || count <= 0)
        return {};
    return text.sliced(from, std::min(count, text.size() - from));
}

} // namespace

int pageNumber(QStringView record)
{
    return PageNumber::leadingValue(sliceOf(record, PageColumn, PageDigits));
}

QStringView title(QStringView record, int pageNumber)
{
    // The closing "|" is never part of the title.
    const qsizetype from = pageNumber <= 9 ? OpenerLength - 1 : OpenerLength;
    return sliceOf(record, from, record.size() - 1 - from);
}

QStringView command(QStringView record, int pageNumber)
{
    qsizetype cut = 1; // the closing "|"
    if (pageNumber != 0)
        cut = record.size() < OpenerLength ? 2 : 3; // and the page number's digits
    return sliceOf(record, CommandColumn, record.size() - CommandColumn - cut);
}

bool mayOpenPage(QStringView record, int pageNumber)
{
    return record.size() >= OpenerLength && pageNumber != 0;
}

bool opensNextPage(QStringView record, int pageNumber)
{
    return pageNumber != 0 && record.size() > OpenerLength;
}

bool carriesTitle(QStringView record, int pageNumber)
{
    return pageNumber <= 9 || record.size() > OpenerLength;
}

} // namespace RecordFields
