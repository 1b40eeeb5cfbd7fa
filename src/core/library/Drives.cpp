#include "library/Drives.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace Drives {

QStringList available()
{
    QStringList roots;
#ifdef Q_OS_WIN
    // Every drive letter, also those of empty drives: picking one says why
    // it cannot be used.
    for (const QFileInfo &drive : QDir::drives())
        roots << drive.absoluteFilePath();
#else
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        // Files mounted over files (containers do that) are no drives.
        if (volume.isValid() && volume.isReady() && QFileInfo(volume.rootPath()).isDir())
            roots << volume.rootPath();
    }
    roots.removeDuplicates();
#endif
    roots.sort(Qt::CaseInsensitive);
    return roots;
}

QString rootOf(const QString &path)
{
#ifdef Q_OS_WIN
    const QString absolute = QDir(path).absolutePath();
    if (absolute.size() >= 2 && absolute.at(1) == u':')
        return absolute.left(2).toUpper() + u'/';
#endif
    const QStorageInfo volume(path);
    return volume.isValid() ? volume.rootPath() : QDir::rootPath();
}

bool isReady(const QString &root)
{
    const QFileInfo info(root);
    return info.exists() && info.isDir() && info.isReadable() && QDir(root).isReadable();
}

QString displayName(const QString &root)
{
#ifdef Q_OS_WIN
    if (root.size() >= 2 && root.at(1) == u':')
        return root.left(2).toLower();
#endif
    return QDir::toNativeSeparators(root);
}

} // namespace Drives
