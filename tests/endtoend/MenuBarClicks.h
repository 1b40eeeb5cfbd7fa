#pragma once

#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <algorithm>

// Opens `menu` in the menu bar and clicks its `entry`, as the mouse would.
// Returns false, having said why, when either is not there or not enabled.
namespace MenuBarClicks {

inline QAction *find(const QList<QAction *> &actions, const QString &text)
{
    const auto found = std::find_if(actions.cbegin(), actions.cend(), [&](QAction *a) { return a->text() == text; });
    return found == actions.cend() ? nullptr : *found;
}

inline bool choose(QMenuBar *bar, const QString &menu, const QString &entry)
{
    QAction *menuAction = find(bar->actions(), menu);
    if (!menuAction || !menuAction->menu()) {
        qWarning("no menu %s", qPrintable(menu));
        return false;
    }
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menuAction).center());
    QMenu *popup = menuAction->menu();
    if (!QTest::qWaitForWindowExposed(popup))
        return false;
    QAction *entryAction = find(popup->actions(), entry);
    if (!entryAction || !entryAction->isEnabled()) {
        qWarning("no enabled entry %s", qPrintable(entry));
        return false;
    }
    QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(entryAction).center());
    return !popup->isVisible();
}

} // namespace MenuBarClicks
