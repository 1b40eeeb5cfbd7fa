// "Menü prüfen" in the program: F7 opens the window, a double-click on a
// finding selects its record, and the window follows the record list.

#include "check/CheckController.h"
#include "check/CheckWindow.h"
#include "Desk.h"
#include "editor/EntryListBox.h"
#include "TestData.h"

#include <QListView>
#include <QTreeView>

namespace {

CheckController *checkController(const Desk &desk)
{
    return desk.window.findChild<CheckController *>(u"checkController"_s);
}

// The texts of the window's rows, as "line text".
QStringList rows(const CheckWindow *window)
{
    const FindingsModel &model = const_cast<CheckWindow *>(window)->model();
    QStringList result;
    for (int row = 0; row < model.rowCount(); ++row)
        result << (model.index(row, FindingsModel::LineColumn).data().toString() + u' '
                   + model.index(row, FindingsModel::TextColumn).data().toString());
    return result;
}

// The worked example with its page turn at line 8 pointing nowhere.
QStringList menuWithMistake()
{
    QStringList records = TestData::WorkedExample;
    records[7] = u"MENUITEM|TASK_PAGE3|"_s;
    return records;
}

} // namespace

class TestCheckWindow : public QObject
{
    Q_OBJECT

private slots:
    void f7OpensTheWindow();
    void doubleClickSelectsTheRecord();
    void followsTheRecordList();
};

void TestCheckWindow::f7OpensTheWindow()
{
    Desk desk;
    desk.state.recordList.setEntries(TestData::WorkedExample);
    desk.window.show();
    desk.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&desk.window));
    QVERIFY(!checkController(desk)->checkWindow());

    QTest::keyClick(&desk.window, Qt::Key_F7);

    const CheckWindow *window = checkController(desk)->checkWindow();
    QVERIFY(window);
    QVERIFY(!window->isModal());
    QCOMPARE(rows(window), QStringList{u" Keine Fehler gefunden."_s});
}

void TestCheckWindow::doubleClickSelectsTheRecord()
{
    Desk desk;
    desk.state.recordList.setEntries(menuWithMistake());
    desk.window.show();
    desk.trigger(u"mnuEPruefen"_s);
    CheckWindow *window = checkController(desk)->checkWindow();
    QCOMPARE(rows(window), (QStringList{u"8 Das Umblättern führt zu Seite 3, die es nicht gibt."_s,
                                        u"9 Keine Umblätter-Taste führt zu Seite 2."_s}));

    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTreeView *view = window->view();
    const QRect row = view->visualRect(window->model().index(0, FindingsModel::TextColumn));
    QVERIFY(!row.isEmpty());
    // What a person's double-click sends: a click, then the double-click
    // with its release.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, row.center());

    auto *records = desk.child<EntryListBox>(u"cboQDMenu_0"_s);
    QCOMPARE(records->currentRow(), 7);
    QCOMPARE(records->text(), u"MENUITEM|TASK_PAGE3|"_s);
}

void TestCheckWindow::followsTheRecordList()
{
    Desk desk;
    desk.state.recordList.setEntries(menuWithMistake());
    desk.window.show();
    desk.trigger(u"mnuEPruefen"_s);
    const CheckWindow *window = checkController(desk)->checkWindow();

    // The window follows from a worker thread: the findings come a moment
    // after the change.
    desk.state.recordList.replace(7, u"MENUITEM|TASK_PAGE2|"_s);
    QTRY_COMPARE(rows(window), QStringList{u" Keine Fehler gefunden."_s});

    desk.state.recordList.append(u"MENUITEM|TASK_SHOW_MAP"_s);
    QTRY_COMPARE(rows(window), (QStringList{u"13 Die Zeile endet nicht mit „|“."_s}));

    // Two changes in one go: only the findings of the last state stay.
    desk.state.recordList.remove(12);
    desk.state.recordList.replace(7, u"MENUITEM|TASK_PAGE3|"_s);
    QTRY_COMPARE(rows(window), (QStringList{u"8 Das Umblättern führt zu Seite 3, die es nicht gibt."_s,
                                            u"9 Keine Umblätter-Taste führt zu Seite 2."_s}));
}

QTEST_MAIN(TestCheckWindow)
#include "tst_checkwindow.moc"
