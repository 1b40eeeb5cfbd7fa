#include "library/ButtonFileNames.h"

#include "library/NameOrder.h"

#include <QDir>

#include <algorithm>

namespace ButtonFileNames {

QStringList list(const QString &folder)
{
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Unsorted);
    NameOrder::sort(names);
    return names;
}

QString commandName(const QString &fileName)
{
    constexpr qsizetype SuffixLength = 4; // ".gif"
    return fileName.left(std::max(qsizetype(0), fileName.size() - SuffixLength));
}

} // namespace ButtonFileNames
