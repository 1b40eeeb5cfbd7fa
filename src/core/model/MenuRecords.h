#pragma once

#include <QString>

// The texts of the records the builder makes. Every record the program
// generates comes from here, so the grammar lives in one place.
namespace MenuRecords {

// "MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|": the first line of every menu.
QString blockLine();

// Opens page `page`: "MENUPAGE|TASK_PAGE" page "|" title " " page "|".
QString pageHeader(const QString &page, const QString &title);

// "MENUITEM|TASK_PAGE1|": the place that returns to page 1 and ends a menu.
QString firstPageItem();

// The item for a click on the button of `commandName` (the file name
// without ".gif"). Only the exact name "page" turns pages; it is numbered
// with the page field's text as it stands.
QString itemForButton(const QString &commandName, const QString &pageField);

// The button tooltip "007 navigate_to": the button's number and command.
QString buttonTooltip(int buttonNumber, const QString &commandName);

} // namespace MenuRecords
