// The builder's record making and its page counter over any field texts.

#include "FuzzSupport.h"

#include "model/MenuRecords.h"
#include "model/PageNumber.h"

#include <QLocale>

#include <climits>

using namespace Qt::StringLiterals;

namespace {

// The numeric prefix as the builder reads it, found here independently:
// blanks skipped, then the digits, without leading zeros; "0" if none.
QString expectedPrefix(const QString &field)
{
    qsizetype at = 0;
    while (at < field.size() && field.at(at) == u' ')
        ++at;
    QString digits;
    while (at < field.size() && FuzzSupport::isDigit(field.at(at)))
        digits.append(field.at(at++));
    while (digits.size() > 1 && digits.front() == u'0')
        digits.remove(0, 1);
    return digits.isEmpty() ? u"0"_s : digits;
}

// Decimal text minus one, for texts that are at least "1".
QString decremented(QString number)
{
    qsizetype at = number.size() - 1;
    while (number.at(at) == u'0')
        number[at--] = u'9';
    number[at] = QChar(number.at(at).unicode() - 1);
    if (number.size() > 1 && number.front() == u'0')
        number.remove(0, 1);
    return number;
}

void checkCounter(const QString &field)
{
    const QString prefix = expectedPrefix(field);
    FUZZ_CHECK(PageNumber::leadingNumber(field) == prefix);

    const QString next = PageNumber::next(field);
    FUZZ_CHECK(!next.isEmpty());
    FUZZ_CHECK(std::all_of(next.cbegin(), next.cend(), FuzzSupport::isDigit));
    FUZZ_CHECK(next.front() != u'0');
    FUZZ_CHECK(decremented(next) == prefix);

    const int value = PageNumber::leadingValue(field);
    if (prefix.size() <= 18)
        FUZZ_CHECK(value == int(std::min<qlonglong>(prefix.toLongLong(), INT_MAX)));
    else
        FUZZ_CHECK(value == INT_MAX);
}

void checkRecords(const QString &page, const QString &title, const QString &command, int buttonNumber)
{
    const QString header = MenuRecords::pageHeader(page, title);
    FUZZ_CHECK(header == u"MENUPAGE|TASK_PAGE"_s + page + u'|' + title + u' ' + page + u'|');
    // The device reads a page number from columns 19 and 20.
    bool isNumber = false;
    const int pageValue = page.toInt(&isNumber);
    if (isNumber && pageValue >= 1 && pageValue <= 99 && page == QString::number(pageValue))
        FUZZ_CHECK(PageNumber::leadingValue(QStringView(header).sliced(18, 2)) == pageValue);

    const QString item = MenuRecords::itemForButton(command, page);
    FUZZ_CHECK(item.startsWith(u"MENUITEM|TASK_"_s));
    FUZZ_CHECK(item.endsWith(u'|'));
    const QStringView name = QStringView(item).sliced(14).chopped(1);
    if (command == u"page") {
        FUZZ_CHECK(name == QString(u"PAGE"_s + page));
    } else {
        const bool ascii = std::all_of(command.cbegin(), command.cend(), [](QChar c) { return c.unicode() < 128; });
        if (ascii)
            FUZZ_CHECK(name.size() == command.size() && name.compare(command, Qt::CaseInsensitive) == 0);
        FUZZ_CHECK(name == QLocale().toUpper(name.toString()));
    }

    // The tooltip names the button's number and its command.
    const QString tooltip = MenuRecords::buttonTooltip(buttonNumber, command);
    FUZZ_CHECK(tooltip.size() >= 4 && FuzzSupport::isDigit(tooltip.at(0)) && FuzzSupport::isDigit(tooltip.at(2)));
    FUZZ_CHECK(tooltip.endsWith(u' ' + command));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    // Button numbers are 16-bit counters from 1.
    const int buttonNumber = data.ConsumeIntegralInRange<int>(1, SHRT_MAX);
    const QString page = FuzzSupport::text(data, 48);
    const QString title = FuzzSupport::text(data, 48);
    const QString command = data.ConsumeBool() ? u"page"_s : FuzzSupport::text(data, 32);
    checkCounter(page);
    checkRecords(page, title, command, buttonNumber);
    return 0;
}
