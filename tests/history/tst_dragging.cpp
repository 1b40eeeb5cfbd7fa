// Drops on the record list, as the view receives them: records moved
// within it, button pictures inserted, everything from outside refused.

#include "common/DragData.h"
#include "Desk.h"
#include "editor/EditorController.h"
#include "editor/EntryComboBox.h"
#include "editor/EntryListBox.h"

#include <QApplication>
#include <QDropEvent>
#include <QListView>
#include <QMimeData>
#include <QUrl>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct DropDesk : Desk
{
    EntryListBox *records = child<EntryListBox>(u"cboQDMenu_0"_s);

    explicit DropDesk(const QStringList &opened)
    {
        window.show();
        openMenu(opened);
    }
};

const QStringList ABCD{u"A"_s, u"B"_s, u"C"_s, u"D"_s};

} // namespace

class TestDragging : public QObject
{
    Q_OBJECT

private slots:
    void recordDraggedWithinTheList_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("before");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<int>("selected");

        QTest::newRow("down between two records") << 0 << 2 << QStringList{u"B"_s, u"A"_s, u"C"_s, u"D"_s} << 1;
        QTest::newRow("below the last record") << 1 << 4 << QStringList{u"A"_s, u"C"_s, u"D"_s, u"B"_s} << 3;
        QTest::newRow("up to the top") << 3 << 0 << QStringList{u"D"_s, u"A"_s, u"B"_s, u"C"_s} << 0;
        QTest::newRow("up by two") << 3 << 1 << QStringList{u"A"_s, u"D"_s, u"B"_s, u"C"_s} << 1;
    }

    // The same rules as a move by the arrow buttons: the moved record is
    // selected, stands in the edit field and is remembered; the flag is set.
    void recordDraggedWithinTheList()
    {
        QFETCH(int, row);
        QFETCH(int, before);
        QFETCH(QStringList, after);
        QFETCH(int, selected);
        DropDesk desk(ABCD);
        desk.records->selectRow(row);
        const std::unique_ptr<QMimeData> data(DragData::forRecord(row));
        QVERIFY(desk.dropOnRecords(*data, before));
        QCOMPARE(desk.state.recordList.entries(), after);
        QCOMPARE(desk.records->currentRow(), selected);
        QCOMPARE(desk.records->text(), after.at(selected));
        QCOMPARE(desk.window.findChild<EditorController *>()->rememberedRecord(), selected);
        QVERIFY(desk.state.recordListModified);
    }

    void recordDroppedWhereItStandsStays_data()
    {
        QTest::addColumn<int>("before");
        QTest::newRow("on its own upper half") << 1;
        QTest::newRow("on the upper half of the next") << 2;
    }

    void recordDroppedWhereItStandsStays()
    {
        QFETCH(int, before);
        DropDesk desk(ABCD);
        desk.records->selectRow(1);
        const std::unique_ptr<QMimeData> data(DragData::forRecord(1));
        desk.dropOnRecords(*data, before);
        QCOMPARE(desk.state.recordList.entries(), ABCD);
        QVERIFY(!desk.state.recordListModified);
        QCOMPARE(desk.undoAction()->text(), u"&Rückgängig: Menü öffnen"_s);
    }

    void buttonDroppedBetweenRecords_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("before");
        QTest::addColumn<QStringList>("after");

        const QString item = u"MENUITEM|TASK_SHOW_MAP|"_s;
        QTest::newRow("at the top") << u"show_map"_s << 0 << QStringList{item, u"A"_s, u"B"_s, u"C"_s, u"D"_s};
        QTest::newRow("between the second and third")
            << u"show_map"_s << 2 << QStringList{u"A"_s, u"B"_s, item, u"C"_s, u"D"_s};
        QTest::newRow("below the last") << u"show_map"_s << 4 << QStringList{u"A"_s, u"B"_s, u"C"_s, u"D"_s, item};
        // The page button is numbered from the page field, as a click numbers it.
        QTest::newRow("the page turn") << u"page"_s << 1
                                       << QStringList{u"A"_s, u"MENUITEM|TASK_PAGE7|"_s, u"B"_s, u"C"_s, u"D"_s};
    }

    void buttonDroppedBetweenRecords()
    {
        QFETCH(QString, command);
        QFETCH(int, before);
        QFETCH(QStringList, after);
        DropDesk desk(ABCD);
        desk.pageField()->setText(u"7"_s);
        const std::unique_ptr<QMimeData> data(DragData::forButton(command));
        QVERIFY(desk.dropOnRecords(*data, before));
        QCOMPARE(desk.state.recordList.entries(), after);
        QVERIFY(!desk.state.recordListModified);
        QCOMPARE(desk.undoAction()->text(), u"&Rückgängig: Button %1 einfügen"_s.arg(command));
    }

    // A line between the two records shows where the drop would land, and
    // goes when the drag leaves.
    void dropPlaceShownWhileDragging()
    {
        DropDesk desk(ABCD);
        QListView *view = desk.records->listView();
        const QPoint linePoint(view->viewport()->width() - 8, view->visualRect(desk.state.recordList.index(2)).top());
        const auto darkness = [&] { return qGray(view->viewport()->grab().toImage().pixel(linePoint)); };
        const int before = darkness();
        const std::unique_ptr<QMimeData> data(DragData::forButton(u"about"_s));
        const QPoint at = view->visualRect(desk.state.recordList.index(2)).topLeft() + QPoint(4, 2);
        QDragEnterEvent enter(at, Qt::CopyAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(view->viewport(), &enter);
        QDragMoveEvent move(at, Qt::CopyAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(view->viewport(), &move);
        QVERIFY2(darkness() < before - 64, qPrintable(u"%1 against %2"_s.arg(darkness()).arg(before)));
        QDragLeaveEvent leave;
        QApplication::sendEvent(view->viewport(), &leave);
        QCOMPARE(darkness(), before);
        QCOMPARE(desk.state.recordList.entries(), ABCD);
    }

    void dropFromOutsideRefused_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("text from another program") << u"text/plain"_s << QByteArray("MENUITEM|TASK_ABOUT|");
        QTest::newRow("a file from the desktop") << u"text/uri-list"_s << QByteArray("file:///tmp/menu.mnu\r\n");
        QTest::newRow("a record from another window of the program")
            << u"application/x-qd5tastwerk-record"_s << QByteArray("0");
        QTest::newRow("a button from another window of the program")
            << u"application/x-qd5tastwerk-button"_s << QByteArray("about");
    }

    void dropFromOutsideRefused()
    {
        QFETCH(QString, format);
        QFETCH(QByteArray, bytes);
        DropDesk desk(ABCD);
        desk.records->selectRow(0);
        QMimeData data;
        data.setData(format, bytes);
        QVERIFY(!desk.dropOnRecords(data, 2));
        QCOMPARE(desk.state.recordList.entries(), ABCD);
        QCOMPARE(desk.records->text(), u"A"_s);
        QCOMPARE(desk.undoAction()->text(), u"&Rückgängig: Menü öffnen"_s);
    }

    void dragOntoTheVocabularyDoesNothing_data()
    {
        QTest::addColumn<bool>("button");
        QTest::newRow("a button picture") << true;
        QTest::newRow("a record") << false;
    }

    void dragOntoTheVocabularyDoesNothing()
    {
        QFETCH(bool, button);
        DropDesk desk(ABCD);
        auto *vocabulary = desk.child<EntryComboBox>(u"cboQDMenu_1"_s);
        const QStringList entries = desk.state.vocabulary.entries();
        const std::unique_ptr<QMimeData> data(button ? DragData::forButton(u"about"_s) : DragData::forRecord(0));
        const QPoint at = vocabulary->lineEdit()->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(vocabulary->lineEdit(), &enter);
        QVERIFY(!enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(vocabulary->lineEdit(), &drop);
        QCOMPARE(vocabulary->text(), QString());
        QCOMPARE(desk.state.vocabulary.entries(), entries);
        QCOMPARE(desk.state.recordList.entries(), ABCD);
        QVERIFY(!desk.state.vocabularyModified);
    }
};

QTEST_MAIN(TestDragging)
#include "tst_dragging.moc"
