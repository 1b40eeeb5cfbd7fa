#include "model/PageNumber.h"

#include <climits>

using namespace Qt::StringLiterals;

namespace PageNumber {

namespace {

QStringView digitsAtStart(QStringView text)
{
    qsizetype start = 0;
    while (start < text.size() && text.at(start) == u' ')
        ++start;
    qsizetype end = start;
    while (end < text.size() && text.at(end) >= u'0' && text.at(end) <= u'9')
        ++end;
    QStringView digits = text.sliced(start, end - start);
    while (digits.size() > 1 && digits.front() == u'0')
        digits = digits.sliced(1);
    return digits;
}

} // namespace

QString leadingNumber(QStringView text)
{
    const QStringView digits = digitsAtStart(text);
    return digits.isEmpty() ? u"0"_s : digits.toString();
}

QString next(QStringView pageField)
{
    QString number = leadingNumber(pageField);
    qsizetype pos = number.size() - 1;
    while (pos >= 0 && number.at(pos) == u'9') {
        number[pos] = u'0';
        --pos;
    }
    if (pos < 0)
        number.prepend(u'1');
    else
        number[pos] = QChar(number.at(pos).unicode() + 1);
    return number;
}

int leadingValue(QStringView text)
{
    const QStringView digits = digitsAtStart(text);
    long long value = 0;
    for (const QChar digit : digits) {
        value = value * 10 + (digit.unicode() - u'0');
        if (value > INT_MAX)
            return INT_MAX;
    }
    return static_cast<int>(value);
}

} // namespace PageNumber
