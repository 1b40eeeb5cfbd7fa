#pragma once

#include <QStringList>

// The names the file list shows for a button folder: every normal file (no
// folders, nothing hidden, no devices or broken links), without path, in
// the order of NameOrder.
namespace ButtonFileNames {

QStringList list(const QString &folder);

// The normal files of the folder that `list` leaves out because their
// names are bytes that are no text in the file system's encoding: they
// could be neither shown nor opened by name. Each as near as it can be
// shown, a replacement character for every byte that is no text.
QStringList unreadable(const QString &folder);

// The command a button file stands for: its name without the ".gif" at the
// end. A name no longer than that suffix names no command.
QString commandName(const QString &fileName);

} // namespace ButtonFileNames
