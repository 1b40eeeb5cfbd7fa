#include "model/EntryListModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

class TestEntryListModel : public QObject
{
    Q_OBJECT

private slots:
    void editsKeepTheModelConsistent()
    {
        EntryListModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.append(u"a"_s);
        model.append(u"c"_s);
        model.insert(1, u"b"_s);
        model.insert(3, u"d"_s);
        QCOMPARE(model.entries(), (QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s}));
        model.replace(0, u"A"_s);
        model.remove(2);
        QCOMPARE(model.entries(), (QStringList{u"A"_s, u"b"_s, u"d"_s}));
        QCOMPARE(model.data(model.index(1)).toString(), u"b"_s);
        model.setEntries({u"x"_s, QString()});
        QCOMPARE(model.count(), 2);
        QCOMPARE(model.at(1), QString());
        model.clear();
        QVERIFY(model.isEmpty());
    }

    void clearingResets()
    {
        EntryListModel model;
        model.append(u"a"_s);
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        model.clear();
        QCOMPARE(resets.size(), 1);
    }

    void entriesForAnEmptyListAreInserted()
    {
        EntryListModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        QSignalSpy inserts(&model, &QAbstractItemModel::rowsInserted);
        model.setEntries({u"a"_s, u"b"_s});
        QCOMPARE(resets.size(), 0);
        QCOMPARE(inserts.size(), 1);
        QCOMPARE(inserts.at(0).at(2).toInt(), 1);
        model.setEntries({u"c"_s});
        QCOMPARE(resets.size(), 1);
        QCOMPARE(model.entries(), QStringList{u"c"_s});
    }

    void manyEntries()
    {
        EntryListModel model;
        QStringList entries;
        for (int i = 0; i < 100000; ++i)
            entries << u"MENUITEM|TASK_%1|"_s.arg(i);
        model.setEntries(entries);
        QCOMPARE(model.rowCount(), 100000);
        model.insert(40000, u"x"_s);
        QCOMPARE(model.at(40000), u"x"_s);
        QCOMPARE(model.at(99999 + 1), u"MENUITEM|TASK_99999|"_s);
    }
};

QTEST_GUILESS_MAIN(TestEntryListModel)
#include "tst_entrylistmodel.moc"
