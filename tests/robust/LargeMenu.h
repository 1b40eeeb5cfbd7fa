#pragma once

#include <QStringList>

// The two large menus the save fault test writes over each other: different
// lengths and texts, so that any mix of the two is told apart from both.
namespace LargeMenu {

using namespace Qt::StringLiterals;

inline QStringList make(QChar variant, int records)
{
    QStringList list{u"MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|"_s};
    for (int record = 1; record <= records; ++record)
        list << u"MENUITEM|TASK_%1_%2|"_s.arg(variant).arg(record, 6, 10, QChar(u'0'));
    return list;
}

inline const QStringList First = make(u'A', 80000);
inline const QStringList Second = make(u'B', 90000);

} // namespace LargeMenu
