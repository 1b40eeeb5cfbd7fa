#pragma once

#include <QStringList>

// The names the file list shows for a button folder: every normal file (no
// folders, nothing hidden, no devices or broken links), without path, in
// the order of NameOrder.
namespace ButtonFileNames {

QStringList list(const QString &folder);

} // namespace ButtonFileNames
