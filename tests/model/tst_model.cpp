#include "model/EntryListModel.h"
#include "model/MenuRecords.h"
#include "model/PageNumber.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

// The record texts, the page counter and the list model under all three lists.
class TestModel : public QObject
{
    Q_OBJECT

private slots:
    void pageHeaders_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("record");
        QTest::addColumn<QString>("nextPage");
        QTest::newRow("nine") << u"9"_s << u"A"_s << u"MENUPAGE|TASK_PAGE9|A 9|"_s << u"10"_s;
        QTest::newRow("empty field") << QString() << u"T"_s << u"MENUPAGE|TASK_PAGE|T |"_s << u"1"_s;
        QTest::newRow("empty title") << u"1"_s << QString() << u"MENUPAGE|TASK_PAGE1| 1|"_s << u"2"_s;
        QTest::newRow("letter") << u"x"_s << u"T"_s << u"MENUPAGE|TASK_PAGEx|T x|"_s << u"1"_s;
        QTest::newRow("digits then text") << u"3b"_s << u"T"_s << u"MENUPAGE|TASK_PAGE3b|T 3b|"_s << u"4"_s;
        QTest::newRow("leading zeros") << u"007"_s << u"T"_s << u"MENUPAGE|TASK_PAGE007|T 007|"_s << u"8"_s;
        QTest::newRow("huge") << u"99999999999999999999"_s << u"T"_s
                              << u"MENUPAGE|TASK_PAGE99999999999999999999|T 99999999999999999999|"_s
                              << u"100000000000000000000"_s;
        QTest::newRow("comma and bar kept") << u"2"_s << u"a,b|c"_s << u"MENUPAGE|TASK_PAGE2|a,b|c 2|"_s << u"3"_s;
    }

    void pageHeaders()
    {
        QFETCH(QString, page);
        QFETCH(QString, title);
        QFETCH(QString, record);
        QFETCH(QString, nextPage);
        QCOMPARE(MenuRecords::pageHeader(page, title), record);
        QCOMPARE(PageNumber::next(page), nextPage);
    }

    void itemsAndNumbers()
    {
        QCOMPARE(MenuRecords::itemForButton(u"page"_s, u"2"_s), u"MENUITEM|TASK_PAGE2|"_s);
        QCOMPARE(MenuRecords::itemForButton(u"page"_s, QString()), u"MENUITEM|TASK_PAGE|"_s);
        // Only the exact lower-case name turns pages.
        QCOMPARE(MenuRecords::itemForButton(u"Page"_s, u"2"_s), u"MENUITEM|TASK_PAGE|"_s);
        QCOMPARE(MenuRecords::itemForButton(u"grüße"_s, u"2"_s), u"MENUITEM|TASK_GRÜSSE|"_s);
        QCOMPARE(PageNumber::leadingValue(u" 12|"), 12);
        QCOMPARE(PageNumber::leadingValue(u"|1"), 0);
        QCOMPARE(PageNumber::leadingValue(u"99999999999999999999"), INT_MAX);
    }

    // From button 1000 on the number in the tooltip has four digits.
    void tooltips_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("button 7") << 7 << u"007 navigate_to"_s;
        QTest::newRow("button 999") << 999 << u"999 navigate_to"_s;
        QTest::newRow("button 1000") << 1000 << u"1000 navigate_to"_s;
        QTest::newRow("button 32767") << 32767 << u"32767 navigate_to"_s;
    }

    void tooltips()
    {
        QFETCH(int, number);
        QFETCH(QString, tooltip);
        QCOMPARE(MenuRecords::buttonTooltip(number, u"navigate_to"_s), tooltip);
    }

    void listEditsKeepTheModelConsistent()
    {
        EntryListModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.append(u"a"_s);
        model.append(u"c"_s);
        model.insert(1, u"b"_s);
        model.insert(3, u"d"_s);
        model.replace(0, u"A"_s);
        model.remove(2);
        QCOMPARE(model.entries(), (QStringList{u"A"_s, u"b"_s, u"d"_s}));
        QCOMPARE(model.data(model.index(1)).toString(), u"b"_s);
        model.setEntries({u"x"_s, QString()});
        QCOMPARE(model.at(1), QString());
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        model.clear();
        QVERIFY(model.isEmpty());
        QCOMPARE(resets.size(), 1);
        // Entries for the empty list arrive as inserted rows, not as a reset.
        QSignalSpy inserts(&model, &QAbstractItemModel::rowsInserted);
        model.setEntries({u"y"_s, u"z"_s});
        QCOMPARE(resets.size(), 1);
        QCOMPARE(inserts.size(), 1);
        QCOMPARE(model.entries(), (QStringList{u"y"_s, u"z"_s}));
    }
};

QTEST_GUILESS_MAIN(TestModel)
#include "tst_model.moc"
