#include "library/BatchPlan.h"
#include "library/ButtonFileNames.h"
#include "library/ButtonFolderPath.h"
#include "library/ButtonPaging.h"
#include "library/CaptionLookup.h"
#include "TestData.h"
#include "TestFolder.h"

#include <QTest>

using namespace Qt::StringLiterals;
using TestData::vocabularyLine;

// The button library without widgets: captions, paging, what a step shows,
// and what the folder choice makes of a folder on disk.
class TestLibraryLogic : public QObject
{
    Q_OBJECT

private slots:
    void captions_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<std::optional<QString>>("caption");
        QTest::newRow("blanks around the command") << u"Navigate_To"_s << std::optional(u"Groß"_s);
        QTest::newRow("first match, blanks kept") << u"navigate_to"_s << std::optional(u"  Navigieren zu"_s);
        QTest::newRow("case matters") << u"NAVIGATE_TO"_s << std::optional<QString>();
        QTest::newRow("behind a short line") << u"about"_s << std::optional<QString>();
    }

    void captions()
    {
        QFETCH(QString, command);
        QFETCH(std::optional<QString>, caption);
        const QStringList vocabulary = {vocabularyLine(u"  Navigate_To"_s, u"Groß"_s),
                                        vocabularyLine(u"navigate_to"_s, u"  Navigieren zu"_s),
                                        vocabularyLine(u"navigate_to"_s, u"zweite"_s), u"b"_s.leftJustified(25),
                                        vocabularyLine(u"about"_s, u"Version anzeigen"_s)};
        QCOMPARE(CaptionLookup::find(vocabulary, command), caption);
    }

    void ourVocabulary()
    {
        const QStringList ours = TestData::vocabulary();
        QCOMPARE(ours.size(), 74);
        QCOMPARE(CaptionLookup::find(ours, u"set_backlight"), u"Hintergrund- beleuchtung"_s);
        QCOMPARE(CaptionLookup::find(ours, u"page"), u"Nächste Seite"_s);
        QVERIFY(ours.filter(u","_s).isEmpty());
    }

    void batchesBounceAtBothEnds_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QList<int>>("batches");
        QTest::newRow("two batches") << 50 << QList<int>{0, 1, 0, 1, 0, 1, 0, 1, 0};
        QTest::newRow("three batches") << 51 << QList<int>{0, 1, 2, 1, 0, 1, 2, 1, 0};
        QTest::newRow("four batches") << 100 << QList<int>{0, 1, 2, 3, 2, 1, 0, 1, 2};
        QTest::newRow("one batch is shown once") << 25 << QList<int>{0};
    }

    void batchesBounceAtBothEnds()
    {
        QFETCH(int, buttons);
        QFETCH(QList<int>, batches);
        ButtonPaging paging;
        QList<int> shown;
        for (int i = 0; i < 9; ++i) {
            if (paging.step(buttons))
                shown << paging.batch();
        }
        QCOMPARE(shown, batches);
    }

    void batchPlanOfTheLastBatch()
    {
        QStringList names;
        for (int i = 1; i <= 60; ++i)
            names << u"cmd%1.gif"_s.arg(i, 3, 10, QChar(u'0'));
        const BatchPlan last = BatchPlan::make(2, 60, names, {vocabularyLine(u"cmd055"_s, u"  Fünf- eins"_s)});
        QCOMPARE(last.members.size(), 10u);
        QCOMPARE(last.members.front().number, 51);
        QCOMPARE(last.members.back().number, 60);
        QCOMPARE(last.members.at(4).caption, std::optional(u"  Fünf- eins"_s)); // blanks kept
        QCOMPARE(BatchPlan::make(0, 3, names, {}).members.size(), 3u);          // clipped to the members
        QVERIFY(BatchPlan::make(1, 25, names, {}).members.empty());
    }

    // A name that is nothing but the suffix names no picture.
    void batchPlanOfBareSuffixes()
    {
        const BatchPlan suffixes = BatchPlan::make(0, 3, {u"gif"_s, u"agif"_s, u".gif"_s}, {});
        QCOMPARE(suffixes.members.at(0).pictureFile, std::nullopt);
        QCOMPARE(suffixes.members.at(1).pictureFile, std::optional(u"agif"_s));
        QCOMPARE(suffixes.members.at(2).tooltip, u"003 "_s);
    }

    // Stops at the first name that is no GIF's, and the suffix is case-sensitive.
    void batchPlanStopsAtAForeignFile()
    {
        const BatchPlan stopped = BatchPlan::make(0, 3, {u"a.gif"_s, u"ABOUT.GIF"_s, u"b.gif"_s}, {});
        QCOMPARE(stopped.stoppedAt, 2);
        QCOMPARE(stopped.members.size(), 2u);
    }

    void buttonFilesOfAFolder()
    {
        TestFolder folder;
        for (const QString &name : {u"page.gif"_s, u"about.gif"_s, u"readme.txt"_s, u"ABOUT.GIF"_s, u"Zoom.gif"_s,
                                    u"_x.gif"_s, u"Äb.gif"_s, u".hidden.gif"_s, u"sub/inner.gif"_s})
            folder.write(name, "x");
        QDir(folder.path()).mkdir(u"folder.gif"_s);
        QCOMPARE(ButtonFileNames::list(folder.path()),
                 (QStringList{u"_x.gif"_s, u"ABOUT.GIF"_s, u"about.gif"_s, u"page.gif"_s, u"readme.txt"_s,
                              u"Zoom.gif"_s, u"Äb.gif"_s}));
        QCOMPARE(ButtonFileNames::commandName(u"ABOUT.GIF"_s), u"ABOUT"_s);
    }

    void buttonFolderPathAsShown()
    {
        TestFolder folder;
        const QString text = QDir::toNativeSeparators(folder.path()) + QDir::separator();
        QCOMPARE(ButtonFolderPath::fromFolder(folder.path() + u"/x/.."_s), text);
        QCOMPARE(ButtonFolderPath::fromFolder(QDir::rootPath()), QDir::toNativeSeparators(QDir::rootPath()));
    }
};

QTEST_GUILESS_MAIN(TestLibraryLogic)
#include "tst_librarylogic.moc"
