#include "library/ButtonFileNames.h"

#include "library/NameOrder.h"

#include <QDir>

namespace ButtonFileNames {

QStringList list(const QString &folder)
{
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Unsorted);
    NameOrder::sort(names);
    return names;
}

} // namespace ButtonFileNames
