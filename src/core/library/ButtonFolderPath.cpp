#include "library/ButtonFolderPath.h"

#include <QDir>

namespace ButtonFolderPath {

QString fromFolder(const QString &folder)
{
    QString path = QDir::toNativeSeparators(QDir::cleanPath(QDir(folder).absolutePath()));
    if (!path.endsWith(QDir::separator()))
        path += QDir::separator();
    return path;
}

} // namespace ButtonFolderPath
