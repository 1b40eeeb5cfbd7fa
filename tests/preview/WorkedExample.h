#pragma once

#include <QStringList>

// The twelve records the builder makes for two pages titled "Optionen".
inline const QStringList WorkedExample = {
    QStringLiteral("MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|"),
    QStringLiteral("MENUPAGE|TASK_PAGE1|Optionen 1|"),
    QStringLiteral("MENUITEM|TASK_NAVIGATE_TO|"),
    QStringLiteral("MENUITEM|TASK_SHOW_MAP|"),
    QStringLiteral("MENUITEM|TASK_PLAN_VIA|"),
    QStringLiteral("MENUITEM|TASK_ADD_FAVORITE|"),
    QStringLiteral("MENUITEM|TASK_SET_VOLUME|"),
    QStringLiteral("MENUITEM|TASK_PAGE2|"),
    QStringLiteral("MENUPAGE|TASK_PAGE2|Optionen 2|"),
    QStringLiteral("MENUITEM|TASK_SWITCH_NIGHTVIEW|"),
    QStringLiteral("MENUITEM|TASK_SET_LANGUAGE|"),
    QStringLiteral("MENUITEM|TASK_PAGE1|"),
};
