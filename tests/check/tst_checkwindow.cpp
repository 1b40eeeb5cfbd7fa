// "Menü prüfen" in the program: F7 opens the window, a double-click on a
// finding selects its record, and the window follows the record list.

#include "check/CheckController.h"
#include "check/CheckWindow.h"
#include "Desk.h"
#include "editor/EntryListBox.h"
#include "TestData.h"

#include <QTreeView>

namespace {

// The texts of the window's rows, as "line text".
QStringList rows(CheckWindow *window)
{
    const FindingsModel &model = window->model();
    QStringList result;
    for (int row = 0; row < model.rowCount(); ++row)
        result << (model.index(row, FindingsModel::LineColumn).data().toString() + u' '
                   + model.index(row, FindingsModel::TextColumn).data().toString());
    return result;
}

// The worked example with its page turn at line 8 pointing nowhere; the
// window opened from the menu.
struct CheckDesk : Desk
{
    CheckWindow *checkWindow() const { return window.findChild<CheckController *>()->checkWindow(); }
    CheckWindow *open()
    {
        QStringList records = TestData::WorkedExample;
        records[7] = u"MENUITEM|TASK_PAGE3|"_s;
        state.recordList.setEntries(records);
        window.show();
        trigger(u"mnuEPruefen"_s);
        return checkWindow();
    }
};

} // namespace

class TestCheckWindow : public QObject
{
    Q_OBJECT

private slots:
    void f7OpensTheWindow()
    {
        CheckDesk desk;
        desk.state.recordList.setEntries(TestData::WorkedExample);
        desk.window.show();
        desk.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&desk.window));
        QVERIFY(!desk.checkWindow());
        QTest::keyClick(&desk.window, Qt::Key_F7);
        QVERIFY(desk.checkWindow() && !desk.checkWindow()->isModal());
        QCOMPARE(rows(desk.checkWindow()), QStringList{u" Keine Fehler gefunden."_s});
    }

    void doubleClickSelectsTheRecord()
    {
        CheckDesk desk;
        CheckWindow *window = desk.open();
        QCOMPARE(rows(window), (QStringList{u"8 Das Umblättern führt zu Seite 3, die es nicht gibt."_s,
                                            u"9 Keine Umblätter-Taste führt zu Seite 2."_s}));
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTreeView *view = window->view();
        const QPoint row = view->visualRect(window->model().index(0, FindingsModel::TextColumn)).center();
        // What a person's double-click sends: a click, then the double-click with its release.
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, row);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, row);
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, row);
        auto *records = desk.child<EntryListBox>(u"cboQDMenu_0"_s);
        QCOMPARE(records->currentRow(), 7);
        QCOMPARE(records->text(), u"MENUITEM|TASK_PAGE3|"_s);
    }

    void followsTheRecordList_data()
    {
        QTest::addColumn<int>("edit");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("mistake mended") << 0 << QStringList{u" Keine Fehler gefunden."_s};
        // Two changes in one go: only the findings of the last state stay.
        QTest::newRow("mended and a line added") << 1 << QStringList{u"13 Die Zeile endet nicht mit „|“."_s};
        // Warnings alone still say that there is no error.
        QTest::newRow("line removed") << 2
                                      << QStringList{u"8 Keine Umblätter-Taste führt zu Seite 2."_s,
                                                     u" Keine Fehler gefunden."_s};
    }

    void followsTheRecordList()
    {
        QFETCH(int, edit);
        QFETCH(QStringList, rows);
        CheckDesk desk;
        CheckWindow *window = desk.open();
        EntryListModel &records = desk.state.recordList;
        if (edit == 2) {
            records.remove(7);
        } else {
            records.replace(7, u"MENUITEM|TASK_PAGE2|"_s);
            if (edit == 1)
                records.append(u"MENUITEM|TASK_SHOW_MAP"_s);
        }
        // The window follows from a worker thread: the findings come a moment after the change.
        QTRY_COMPARE(::rows(window), rows);
    }
};

QTEST_MAIN(TestCheckWindow)
#include "tst_checkwindow.moc"
