#include "model/RecordGrammar.h"

#include "model/MenuRecords.h"
#include "model/RecordFields.h"

using namespace Qt::StringLiterals;

namespace RecordGrammar {

namespace {

constexpr QStringView Bar = u"|";
constexpr QStringView PagePrefix = u"TASK_PAGE";
constexpr QStringView TaskPrefix = u"TASK_";

bool allDigits(QStringView text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

// The page as written, when the device reads the same number from the
// columns it looks at: 1 to 99, no leading zero, no blanks.
int pageAsRead(QStringView record, QStringView written)
{
    if (!allDigits(written) || written.size() > RecordFields::PageDigits || written.front() == u'0')
        return 0;
    const int page = RecordFields::pageNumber(record);
    return page == written.toInt() ? page : 0;
}

void readHeader(QStringView record, QStringView body, Reading &reading)
{
    // body: everything after "MENUPAGE|" up to, not including, the closing "|".
    reading.kind = Kind::PageHeader;
    if (!body.startsWith(PagePrefix)) {
        reading.fault = Fault::PageField;
        return;
    }
    const qsizetype bar = body.indexOf(Bar);
    if (bar < 0) {
        reading.fault = Fault::PageField;
        return;
    }
    const QStringView written = body.sliced(PagePrefix.size(), bar - PagePrefix.size());
    reading.page = pageAsRead(record, written);
    if (reading.page == 0) {
        reading.fault = Fault::PageField;
        return;
    }
    const QStringView third = body.sliced(bar + 1);
    const QString suffix = u' ' + written.toString();
    if (!third.endsWith(suffix)) {
        reading.fault = Fault::TitleNumber;
        return;
    }
    reading.title = third.chopped(suffix.size());
    reading.fault = reading.title.contains(Bar) ? Fault::TitleBar : Fault::None;
}

void readItem(QStringView record, QStringView body, Reading &reading)
{
    reading.kind = Kind::CommandItem;
    if (!body.startsWith(TaskPrefix)) {
        reading.fault = Fault::TaskField;
        return;
    }
    reading.command = body.sliced(TaskPrefix.size());
    if (reading.command.isEmpty()) {
        reading.fault = Fault::EmptyCommand;
        return;
    }
    if (reading.command.contains(Bar)) {
        reading.fault = Fault::CommandBar;
        return;
    }
    // Only "PAGE" and digits turn pages; "PAGE" alone is what a file
    // "Page.gif" makes, a turn that names no page.
    constexpr QStringView Page = u"PAGE";
    if (reading.command.startsWith(Page)) {
        const QStringView written = reading.command.sliced(Page.size());
        if (written.isEmpty() || allDigits(written)) {
            reading.kind = Kind::PageTurn;
            reading.page = pageAsRead(record, written);
            reading.fault = reading.page == 0 ? Fault::PageField : Fault::None;
            return;
        }
    }
    // A command with a digit in column 19 is read as a page turn: the
    // device takes the digits for a page number and cuts them off.
    reading.fault = RecordFields::pageNumber(record) != 0 ? Fault::DigitsAtPageColumn : Fault::None;
}

} // namespace

Reading read(QStringView record)
{
    Reading reading;
    const qsizetype firstBar = record.indexOf(Bar);
    reading.keyword = firstBar < 0 ? record : record.first(firstBar);
    const bool closed = firstBar >= 0 && record.endsWith(Bar);
    // Between the first "|" and the closing one.
    const QStringView body = closed && firstBar < record.size() - 1
                                 ? record.sliced(firstBar + 1, record.size() - firstBar - 2)
                                 : QStringView();

    if (reading.keyword == u"MENUBLOCK") {
        reading.kind = Kind::BlockLine;
        reading.fault = record == MenuRecords::blockLine() ? Fault::None : Fault::BlockFields;
    } else if (reading.keyword == u"MENUPAGE") {
        reading.kind = Kind::PageHeader;
        reading.fault = Fault::NoClosingBar;
        if (closed)
            readHeader(record, body, reading);
    } else if (reading.keyword == u"MENUITEM") {
        reading.kind = Kind::CommandItem;
        reading.fault = Fault::NoClosingBar;
        if (closed)
            readItem(record, body, reading);
    }
    return reading;
}

} // namespace RecordGrammar
