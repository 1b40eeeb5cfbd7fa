#include "library/NameOrder.h"

#include <algorithm>

namespace NameOrder {

bool before(const QString &a, const QString &b)
{
    const int folded = QString::compare(a, b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : QString::compare(a, b, Qt::CaseSensitive) < 0;
}

void sort(QStringList &names)
{
    std::sort(names.begin(), names.end(), before);
}

} // namespace NameOrder
