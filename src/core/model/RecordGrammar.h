#pragma once

#include <QStringView>

// Tells which of the records MenuRecords makes a line is, and when it is
// none of them, which field breaks the pattern. The page number is the one
// the device reads (RecordFields); a page field it would read otherwise
// than it is written counts as broken.
namespace RecordGrammar {

enum class Kind { BlockLine, PageHeader, CommandItem, PageTurn, Unknown };

enum class Fault {
    None,
    UnknownKeyword,    // the first field names no record kind
    NoClosingBar,      // the record does not end with "|"
    BlockFields,       // a "MENUBLOCK" line other than the block line
    PageField,         // "TASK_PAGE" and a page number from 1 to 99 expected
    TitleNumber,       // the header's third field does not end in " " and its page number
    TitleBar,          // the title holds "|"
    TaskField,         // an item's second field does not begin with "TASK_"
    EmptyCommand,      // "MENUITEM|TASK_|"
    CommandBar,        // the command holds "|"
    DigitsAtPageColumn // a command the device reads a page number in
};

struct Reading
{
    Kind kind = Kind::Unknown;
    Fault fault = Fault::UnknownKeyword;
    int page = 0;        // header and page turn without fault: the page, 1 to 99
    QStringView title;   // header: the title text before " " and the page number
    QStringView command; // items: the text between "TASK_" and the closing "|"
    QStringView keyword; // the first field as it stands
};

Reading read(QStringView record);

} // namespace RecordGrammar
