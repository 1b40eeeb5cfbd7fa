#pragma once

#include <QStringList>
#include <QStringView>

#include <optional>

// Finds a button's caption in the vocabulary lines: the first line whose
// first 25 columns, blanks trimmed, equal the command name exactly (case
// counts) gives the rest of the line from column 26 on. A line shorter than
// 26 characters ends the search: lines after it are never looked at.
namespace CaptionLookup {

constexpr int CommandColumns = 25;

std::optional<QString> find(const QStringList &vocabulary, QStringView commandName);

// The command field of a line: its first 25 columns without surrounding blanks.
QStringView commandOf(QStringView line);

} // namespace CaptionLookup
