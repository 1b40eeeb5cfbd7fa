#include "editor/RememberedEntry.h"
#include "editor/ReturnLogic.h"
#include "model/EntryListModel.h"

#include <QAbstractItemModelTester>
#include <QTest>

using namespace Qt::StringLiterals;

using Action = ReturnLogic::Action;

class TestReturnLogic : public QObject
{
    Q_OBJECT

private slots:
    void addsChangesAndDeletes()
    {
        EntryListModel list;
        QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::QtTest);
        list.setEntries({u"a"_s, u"b"_s, u"c"_s});

        auto outcome = ReturnLogic::apply(list, -1, u"d"_s);
        QCOMPARE(outcome.action, Action::Added);
        QCOMPARE(outcome.row, 3);
        QCOMPARE(outcome.editText, QString());

        outcome = ReturnLogic::apply(list, 1, u"B|x,y"_s);
        QCOMPARE(outcome.action, Action::Changed);
        QCOMPARE(outcome.editText, u"B|x,y"_s);
        QCOMPARE(ReturnLogic::apply(list, 2, u"  "_s).action, Action::Changed);
        outcome = ReturnLogic::apply(list, 0, QString());
        QCOMPARE(outcome.action, Action::Deleted);
        QCOMPARE(outcome.row, 0);
        QCOMPARE(list.entries(), (QStringList{u"B|x,y"_s, u"  "_s, u"d"_s}));
    }

    void aPositionPastTheEndAppends()
    {
        EntryListModel list;
        auto outcome = ReturnLogic::apply(list, 0, QString());
        QCOMPARE(outcome.action, Action::Added);
        outcome = ReturnLogic::apply(list, 5, u"x"_s);
        QCOMPARE(outcome.action, Action::Added);
        QCOMPARE(list.entries(), (QStringList{QString(), u"x"_s}));
    }

    void rememberedEntryFollowsItsList()
    {
        EntryListModel list;
        RememberedEntry remembered(list);
        QCOMPARE(remembered.row(), -1);
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
};

QTEST_GUILESS_MAIN(TestReturnLogic)
#include "tst_returnlogic.moc"
