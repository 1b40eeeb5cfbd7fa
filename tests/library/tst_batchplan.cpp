#include "library/BatchPlan.h"

#include <QTest>

using namespace Qt::StringLiterals;

// Which members a step shows, where they stand, and what each one says.
class TestBatchPlan : public QObject
{
    Q_OBJECT

private:
    static QStringList names(int count)
    {
        QStringList result;
        for (int i = 1; i <= count; ++i)
            result << u"cmd%1.gif"_s.arg(i, 3, 10, QChar(u'0'));
        return result;
    }

    static QList<int> numbers(const BatchPlan &plan)
    {
        QList<int> result;
        for (const BatchPlan::Member &member : plan.members)
            result << member.number;
        return result;
    }

    static QString vocabularyLine(const QString &command, const QString &caption)
    {
        return command.leftJustified(25) + caption;
    }

private slots:
    void batchesAreClippedToMembersAndNames()
    {
        const BatchPlan last = BatchPlan::make(2, 60, names(60), {});
        QCOMPARE(last.members.size(), 10u);
        QCOMPARE(last.members.front().number, 51);
        QCOMPARE(last.stoppedAt, 0);
        const BatchPlan::Member &sixtieth = last.members.back();
        QCOMPARE(sixtieth.number, 60);
        QCOMPARE(sixtieth.column, 4);
        QCOMPARE(sixtieth.row, 1);
        QCOMPARE(sixtieth.fileName, u"cmd060.gif"_s);
        QCOMPARE(sixtieth.pictureFile, std::optional(u"cmd060.gif"_s));
        // Fewer members than names, and fewer names than members.
        QCOMPARE(numbers(BatchPlan::make(0, 3, names(60), {})), (QList<int>{1, 2, 3}));
        QCOMPARE(numbers(BatchPlan::make(0, 25, names(2), {})), (QList<int>{1, 2}));
        QVERIFY(BatchPlan::make(1, 25, names(25), {}).members.empty());
    }

    void tooltipsNumberAndCaptionsName()
    {
        const QStringList vocabulary{vocabularyLine(u"cmd005"_s, u"Fünf"_s),
                                     vocabularyLine(u"cmd030"_s, u"  Dreißig- eins"_s),
                                     vocabularyLine(u"cmd005"_s, u"Zweite"_s)};
        const BatchPlan first = BatchPlan::make(0, 30, names(30), vocabulary);
        QCOMPARE(first.members.at(4).tooltip, u"005 cmd005"_s);
        QCOMPARE(first.members.at(4).caption, std::optional(u"Fünf"_s));
        QCOMPARE(first.members.at(5).caption, std::nullopt);
        const BatchPlan second = BatchPlan::make(1, 30, names(30), vocabulary);
        QCOMPARE(second.members.back().tooltip, u"030 cmd030"_s);
        QCOMPARE(second.members.back().caption, std::optional(u"  Dreißig- eins"_s));
        // An empty first line ends the search before it began.
        const BatchPlan blank = BatchPlan::make(0, 1, names(1), {QString(), vocabularyLine(u"cmd001"_s, u"Eins"_s)});
        QCOMPARE(blank.members.front().caption, std::nullopt);
    }

    void stopsAtTheFirstNameThatIsNoGif_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<int>("stop");
        QTest::newRow("readme.txt") << QStringList{u"about.gif"_s, u"page.gif"_s, u"readme.txt"_s} << 3;
        QTest::newRow("ABOUT.GIF") << QStringList{u"a.gif"_s, u"ABOUT.GIF"_s, u"b.gif"_s} << 2;
    }

    void stopsAtTheFirstNameThatIsNoGif()
    {
        QFETCH(QStringList, files);
        QFETCH(int, stop);
        const BatchPlan plan = BatchPlan::make(0, 3, files, {u"about                    Über"_s});
        QCOMPARE(plan.stoppedAt, stop);
        QCOMPARE(int(plan.members.size()), stop);
        // The offending one is only placed: no picture, tooltip or caption.
        const BatchPlan::Member &offending = plan.members.back();
        QCOMPARE(offending.fileName, files.at(stop - 1));
        QCOMPARE(offending.pictureFile, std::nullopt);
        QVERIFY(offending.tooltip.isEmpty());
        QCOMPARE(offending.caption, std::nullopt);
    }

    void namesNoLongerThanTheSuffix()
    {
        const BatchPlan plan = BatchPlan::make(0, 3, {u"gif"_s, u"agif"_s, u".gif"_s}, {});
        QCOMPARE(plan.stoppedAt, 0);
        QCOMPARE(plan.members.at(0).pictureFile, std::nullopt);
        QCOMPARE(plan.members.at(0).tooltip, u"001 "_s);
        QCOMPARE(plan.members.at(1).pictureFile, std::optional(u"agif"_s));
        QCOMPARE(plan.members.at(1).tooltip, u"002 "_s);
        QCOMPARE(plan.members.at(2).tooltip, u"003 "_s);
    }
};

QTEST_APPLESS_MAIN(TestBatchPlan)
#include "tst_batchplan.moc"
