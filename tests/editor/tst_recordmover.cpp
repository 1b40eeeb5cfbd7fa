#include "editor/RecordMover.h"
#include "model/EntryListModel.h"

#include <QAbstractItemModelTester>
#include <QTest>

using namespace Qt::StringLiterals;

using Result = RecordMover::Result;

namespace {

QStringList numbered(int n)
{
    QStringList entries;
    for (int i = 0; i < n; ++i)
        entries << u"e%1"_s.arg(i);
    return entries;
}

} // namespace

class TestRecordMover : public QObject
{
    Q_OBJECT

private slots:
    void moves_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("step");
        QTest::addColumn<Result>("result");
        QTest::addColumn<int>("row");
        QTest::newRow("entry 10 up by ten") << 15 << 10 << -10 << Result::Moved << 0;
        QTest::newRow("entry 9 up by ten") << 15 << 9 << -10 << Result::Refused << -1;
        QTest::newRow("first up by one") << 15 << 0 << -1 << Result::Refused << -1;
        QTest::newRow("second up by one") << 15 << 1 << -1 << Result::Moved << 0;
        QTest::newRow("n-11 down by ten") << 15 << 4 << 10 << Result::Moved << 14;
        QTest::newRow("n-10 down by ten") << 15 << 5 << 10 << Result::Refused << -1;
        QTest::newRow("n-2 down by one") << 15 << 13 << 1 << Result::Moved << 14;
        QTest::newRow("last down by one") << 15 << 14 << 1 << Result::Refused << -1;
        QTest::newRow("ten entries, down by ten") << 10 << 0 << 10 << Result::Refused << -1;
        QTest::newRow("one entry up 10") << 1 << 0 << -10 << Result::Refused << -1;
        QTest::newRow("one entry down 10") << 1 << 0 << 10 << Result::Refused << -1;
        QTest::newRow("nothing selected") << 15 << -1 << 1 << Result::NoSelection << -1;
        QTest::newRow("empty list") << 0 << -1 << -1 << Result::NoSelection << -1;
    }

    void moves()
    {
        QFETCH(int, count);
        QFETCH(int, selected);
        QFETCH(int, step);
        QFETCH(Result, result);
        QFETCH(int, row);
        EntryListModel list;
        QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::QtTest);
        list.setEntries(numbered(count));

        // The edit field's text takes the entry's place.
        const auto outcome = RecordMover::move(list, selected, step, u"typed"_s);
        QCOMPARE(outcome.result, result);
        QCOMPARE(outcome.row, row);
        QStringList expected = numbered(count);
        if (result == Result::Moved) {
            expected.removeAt(selected);
            expected.insert(row, u"typed"_s);
        }
        QCOMPARE(list.entries(), expected);
    }
};

QTEST_GUILESS_MAIN(TestRecordMover)
#include "tst_recordmover.moc"
