#include "files/CurrentDirectory.h"

#include <QDir>
#include <QFileInfo>

QString CurrentDirectory::path()
{
    return QDir::currentPath();
}

bool CurrentDirectory::enter(const QString &folder)
{
    if (folder.isEmpty())
        return false;
    const QString wanted = QFileInfo(folder).absoluteFilePath();
    QString candidate = wanted;
    while (!QFileInfo(candidate).isDir()) {
        const QString parent = QFileInfo(candidate).path();
        if (parent == candidate)
            return false;
        candidate = parent;
    }
    return QDir::setCurrent(candidate) && candidate == wanted;
}

bool CurrentDirectory::enterFolderOf(const QString &filePath)
{
    return enter(QFileInfo(filePath).absolutePath());
}
