#include "library/ButtonFileNames.h"

#include "library/NameOrder.h"

#include <QDir>
#include <QFile>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <sys/stat.h>
#endif

namespace ButtonFileNames {

QStringList list(const QString &folder)
{
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Unsorted);
    NameOrder::sort(names);
    return names;
}

QStringList unreadable(const QString &folder)
{
    QStringList names;
#ifdef Q_OS_UNIX
    // Qt's listing skips these names; only the raw listing shows them.
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return names;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray raw(entry->d_name);
        if (raw.startsWith('.') || QFile::encodeName(QFile::decodeName(raw)) == raw)
            continue;
        struct stat status;
        if (::fstatat(::dirfd(dir), entry->d_name, &status, 0) == 0 && S_ISREG(status.st_mode))
            names << QFile::decodeName(raw);
    }
    ::closedir(dir);
    NameOrder::sort(names);
#else
    // Names there are UTF-16 and always text.
    Q_UNUSED(folder);
#endif
    return names;
}

QString commandName(const QString &fileName)
{
    constexpr qsizetype SuffixLength = 4; // ".gif"
    return fileName.left(std::max(qsizetype(0), fileName.size() - SuffixLength));
}

} // namespace ButtonFileNames
