#pragma once

#include <QString>

// The process's current directory, which decides where the file dialogs
// start. A folder may have vanished since it was remembered: then the
// nearest folder above it that still exists is entered instead, and the
// program carries on.
class CurrentDirectory
{
public:
    static QString path();
    // Returns whether `folder` itself became current. An empty path
    // changes nothing.
    static bool enter(const QString &folder);
    // Our file dialogs leave the current directory alone; a chosen file's
    // folder is made current by hand, as a file dialog on Windows would.
    static bool enterFolderOf(const QString &filePath);
};
