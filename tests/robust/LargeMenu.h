#pragma once

#include <QStringList>

// The two large menus the save fault test writes over each other: different
// lengths and texts, so that any mix of the two is told apart from both.
namespace LargeMenu {

inline QStringList make(QChar variant, int records)
{
    QStringList list{QStringLiteral("MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|")};
    for (int record = 1; record <= records; ++record)
        list << QStringLiteral("MENUITEM|TASK_%1_%2|").arg(variant).arg(record, 6, 10, QChar(u'0'));
    return list;
}

inline const QStringList First = make(u'A', 80000);
inline const QStringList Second = make(u'B', 90000);

} // namespace LargeMenu
