#pragma once

#include <QString>
#include <QStringView>

// The page counter of the builder's page field. Page fields are typed by
// hand, so they are counted as decimal text of any length: a field such as
// "99999999999999999999" steps on to "100000000000000000000".
namespace PageNumber {

// The digits the text begins with (after leading blanks), without leading
// zeros; "0" when it does not begin with a number.
QString leadingNumber(QStringView text);

// The field's text after a page header was made from it: its numeric
// prefix plus one.
QString next(QStringView pageField);

// The numeric prefix as an int, saturating at INT_MAX, for readers that
// compare page numbers.
int leadingValue(QStringView text);

} // namespace PageNumber
