#pragma once

#include <QString>

// The text of ButtonFolder: the folder's full path in the platform's own
// form, always ending in the platform's separator ("C:\" for a drive's root,
// "C:\Buttons\" or "/home/anna/Buttons/" for any other folder).
namespace ButtonFolderPath {

QString fromFolder(const QString &folder);

} // namespace ButtonFolderPath
