#pragma once

#include <QStringView>

// The device reads three fields out of any record at fixed columns,
// whatever the record's kind. The preview and the menu checker both read
// through here, so that what the checker reports is what the preview shows.
namespace RecordFields {

// "MENUPAGE|TASK_PAGE" and "MENUITEM|TASK_PAGE" fill columns 1 to 18; the
// page number follows. The device reads only two of its digits.
constexpr qsizetype PageColumn = 18;
constexpr qsizetype PageDigits = 2;
// "MENUITEM|TASK_" fills columns 1 to 14; the command follows.
constexpr qsizetype CommandColumn = 14;
// A page opener is at least this long; a two-digit page needs one more
// character before its title has begun.
constexpr qsizetype OpenerLength = 21;

// The number at columns 19 and 20; 0 for a command item and any record
// too short to carry one.
int pageNumber(QStringView record);
QStringView title(QStringView record, int pageNumber);
QStringView command(QStringView record, int pageNumber);

// While the device looks for a page: a record that may open it, when its
// number is at least the one looked for.
bool mayOpenPage(QStringView record, int pageNumber);
// Among the places of a page: a record that ends it and opens the next.
bool opensNextPage(QStringView record, int pageNumber);
// An opener of a two-digit page only 21 characters long has no room for a
// title; the title shown stays as it was.
bool carriesTitle(QStringView record, int pageNumber);

} // namespace RecordFields
