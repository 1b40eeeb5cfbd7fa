#include "editor/RecordMover.h"
#include "editor/RememberedEntry.h"
#include "editor/ReturnLogic.h"
#include "model/EntryListModel.h"
#include "TestData.h"

#include <QAbstractItemModelTester>
#include <QTest>

using namespace Qt::StringLiterals;
using Action = ReturnLogic::Action;
using Result = RecordMover::Result;

// What Return and the move buttons do to a list, and which entry each list remembers.
class TestEditorRules : public QObject
{
    Q_OBJECT

private slots:
    // The common cases go through the edit fields in tst_undosteps.
    void returnOnAList_data()
    {
        QTest::addColumn<int>("remembered");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Action>("action");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("editText");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("past the end adds")
            << 3 << QString() << Action::Added << 3 << QString() << QStringList{u"a"_s, u"b"_s, u"c"_s, QString()};
        QTest::newRow("blanks change") << 2 << u"  "_s << Action::Changed << 2 << u"  "_s
                                       << QStringList{u"a"_s, u"b"_s, u"  "_s};
    }

    void returnOnAList()
    {
        QFETCH(int, remembered);
        QFETCH(QString, text);
        QFETCH(Action, action);
        QFETCH(int, row);
        QFETCH(QString, editText);
        QFETCH(QStringList, after);
        EntryListModel list;
        QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::QtTest);
        list.setEntries({u"a"_s, u"b"_s, u"c"_s});
        const auto outcome = ReturnLogic::apply(list, remembered, text);
        QCOMPARE(outcome.action, action);
        QCOMPARE(outcome.row, row);
        QCOMPARE(outcome.editText, editText);
        QCOMPARE(list.entries(), after);
    }

    void rememberedEntryFollowsItsList()
    {
        EntryListModel list;
        RememberedEntry remembered(list);
        list.setEntries({u"a"_s, u"b"_s, u"c"_s});
        remembered.remember(3);
        QCOMPARE(remembered.row(), -1);
        remembered.remember(1);
        list.append(u"d"_s);
        QCOMPARE(remembered.row(), 1);
        list.insert(0, u"z"_s);
        QCOMPARE(remembered.row(), 2);
        list.remove(2);
        QCOMPARE(remembered.row(), -1);
        // Opening, reloading or clearing a list forgets what was clicked in it.
        remembered.remember(1);
        list.setEntries({u"x"_s, u"y"_s});
        QCOMPARE(remembered.row(), -1);
        remembered.remember(0);
        list.clear();
        QCOMPARE(remembered.row(), -1);
    }

    void moves_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("row"); // -1: refused, -2: nothing selected
        QTest::newRow("entry 10 up by ten") << 15 << 10 << -10 << 0;
        QTest::newRow("entry 9 up by ten") << 15 << 9 << -10 << -1;
        QTest::newRow("first up by one") << 15 << 0 << -1 << -1;
        QTest::newRow("second up by one") << 15 << 1 << -1 << 0;
        QTest::newRow("n-11 down by ten") << 15 << 4 << 10 << 14;
        QTest::newRow("n-10 down by ten") << 15 << 5 << 10 << -1;
        QTest::newRow("n-2 down by one") << 15 << 13 << 1 << 14;
        QTest::newRow("last down by one") << 15 << 14 << 1 << -1;
        QTest::newRow("one entry up 10") << 1 << 0 << -10 << -1;
        QTest::newRow("nothing selected") << 15 << -1 << 1 << -2;
        QTest::newRow("empty list") << 0 << -1 << -1 << -2;
    }

    void moves()
    {
        QFETCH(int, count);
        QFETCH(int, selected);
        QFETCH(int, step);
        QFETCH(int, row);
        EntryListModel list;
        QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::QtTest);
        list.setEntries(TestData::numbered(count));
        // The edit field's text takes the entry's place.
        const auto outcome = RecordMover::move(list, selected, step, u"typed"_s);
        QCOMPARE(outcome.result, row >= 0 ? Result::Moved : row == -1 ? Result::Refused : Result::NoSelection);
        QCOMPARE(outcome.row, std::max(row, -1));
        QStringList expected = TestData::numbered(count);
        if (row >= 0) {
            expected.removeAt(selected);
            expected.insert(row, u"typed"_s);
        }
        QCOMPARE(list.entries(), expected);
    }
};

QTEST_GUILESS_MAIN(TestEditorRules)
#include "tst_editorrules.moc"
