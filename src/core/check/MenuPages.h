#pragma once

#include "check/MenuPage.h"

#include <QList>
#include <QStringList>

// Splits the records into pages by the rules the preview draws by
// (RecordFields), in one pass: the checker counts places and follows page
// turns on what the device would show.
namespace MenuPages {

struct Layout
{
    QList<MenuPage> pages;
    // Records after the first line and before the first page opener: the
    // device never shows them.
    QList<qsizetype> beforeFirstPage;
};

Layout read(const QStringList &records);

} // namespace MenuPages
