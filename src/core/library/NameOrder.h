#pragma once

#include <QStringList>

// The order of names in the folder and file lists: by name ignoring case,
// names that differ only in case in code order ("ABOUT.GIF" before
// "about.gif"). It is total, so the numbers of the buttons do not depend on
// the platform or the file system.
namespace NameOrder {

bool before(const QString &a, const QString &b);
void sort(QStringList &names);

} // namespace NameOrder
