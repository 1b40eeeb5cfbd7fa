// "Menü prüfen" in the program: F7 opens the window, a double-click on a
// finding selects its record, and the window follows the record list.

#include "check/CheckController.h"
#include "check/CheckWindow.h"
#include "Desk.h"
#include "editor/EntryListBox.h"
#include "TestData.h"

#include <QTreeView>

#include <memory>

class TestCheckWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<Desk> desk;
    CheckWindow *window = nullptr;

    // The texts of the window's rows, as "line text".
    QStringList rows() const
    {
        const FindingsModel &model = window->model();
        QStringList result;
        for (int row = 0; row < model.rowCount(); ++row)
            result << (model.index(row, FindingsModel::LineColumn).data().toString() + u' '
                       + model.index(row, FindingsModel::TextColumn).data().toString());
        return result;
    }

private slots:
    // The worked example with its page turn at line 8 pointing nowhere,
    // checked with F7.
    void init()
    {
        desk = std::make_unique<Desk>();
        QStringList records = TestData::WorkedExample;
        records[7] = u"MENUITEM|TASK_PAGE3|"_s;
        desk->state.recordList.setEntries(records);
        desk->window.show();
        desk->window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&desk->window));
        QTest::keyClick(&desk->window, Qt::Key_F7);
        window = desk->window.findChild<CheckController *>()->checkWindow();
        QVERIFY(window && !window->isModal());
    }
    void cleanup() { desk.reset(); }

    void doubleClickSelectsTheRecord()
    {
        QCOMPARE(rows(), (QStringList{u"8 Das Umblättern führt zu Seite 3, die es nicht gibt."_s,
                                      u"9 Keine Umblätter-Taste führt zu Seite 2."_s}));
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTreeView *view = window->view();
        const QPoint row = view->visualRect(window->model().index(0, FindingsModel::TextColumn)).center();
        // What a person's double-click sends: a click, then the double-click with its release.
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, row);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, row);
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, row);
        auto *records = desk->child<EntryListBox>(u"cboQDMenu_0"_s);
        QCOMPARE(records->currentRow(), 7);
        QCOMPARE(records->text(), u"MENUITEM|TASK_PAGE3|"_s);
    }

    void followsTheRecordList_data()
    {
        QTest::addColumn<bool>("remove");
        QTest::addColumn<QString>("append");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("mistake mended") << false << QString() << QStringList{u" Keine Fehler gefunden."_s};
        // Two changes in one go: only the findings of the last state stay.
        QTest::newRow("mended and a line added")
            << false << u"MENUITEM|TASK_SHOW_MAP"_s << QStringList{u"13 Die Zeile endet nicht mit „|“."_s};
        // Warnings alone still say that there is no error.
        QTest::newRow("line removed") << true << QString()
                                      << QStringList{u"8 Keine Umblätter-Taste führt zu Seite 2."_s,
                                                     u" Keine Fehler gefunden."_s};
    }

    void followsTheRecordList()
    {
        QFETCH(bool, remove);
        QFETCH(QString, append);
        QFETCH(QStringList, rows);
        EntryListModel &records = desk->state.recordList;
        if (remove)
            records.remove(7);
        else
            records.replace(7, u"MENUITEM|TASK_PAGE2|"_s);
        if (!append.isEmpty())
            records.append(append);
        // The window follows from a worker thread: the findings come a moment after the change.
        QTRY_COMPARE(this->rows(), rows);
    }
};

QTEST_MAIN(TestCheckWindow)
#include "tst_checkwindow.moc"
