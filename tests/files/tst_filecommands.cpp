#include "files/FileCommands.h"
#include "model/ProgramState.h"
#include "ScriptedDialogs.h"
#include "TestData.h"
#include "TestFolder.h"

#include <QTest>

using namespace Qt::StringLiterals;
using Outcome = SaveProcedure::Outcome;
using Answer = UserDialogs::Answer;
using Kind = ScriptedDialogs::Kind;

namespace {

struct Session
{
    Session() { state.startDirectory = folder.path(); }

    TestFolder folder;
    ScriptedDialogs dialogs;
    ProgramState state;
    FileCommands commands{state, dialogs};
    int previewClosings = 0;

    void open()
    {
        commands.openMenuFile([this] { ++previewClosings; });
    }
};

} // namespace

class TestFileCommands : public QObject
{
    Q_OBJECT

private slots:
    // Only a save that happened clears the flag of an edit by hand.
    void saveOutcomes_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<QString>("chosen"); // empty: the dialog is cancelled
        QTest::addColumn<int>("answer");     // to the question about overwriting
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("modifiedAfter");
        const QStringList about{u"MENUITEM|TASK_ABOUT|"_s};
        const int yes = int(Answer::Yes);
        const int no = int(Answer::No);
        QTest::newRow("nothing to save") << QStringList() << false << u"menu.mnu"_s << yes << int(Outcome::NotRun)
                                         << QByteArray("old\r\n") << false;
        QTest::newRow("list emptied by hand")
            << QStringList() << true << u"menu.mnu"_s << yes << int(Outcome::Saved) << QByteArray() << false;
        QTest::newRow("overwrite refused")
            << about << true << u"menu.mnu"_s << no << int(Outcome::KeptExisting) << QByteArray("old\r\n") << true;
        QTest::newRow("dialog cancelled")
            << about << true << QString() << yes << int(Outcome::Cancelled) << QByteArray("old\r\n") << true;
        QTest::newRow("a folder chosen") << about << true << u"."_s << yes << int(Outcome::Failed)
                                         << QByteArray("old\r\n") << true;
        QTest::newRow("overwritten") << about << true << u"menu.mnu"_s << yes << int(Outcome::Saved)
                                     << QByteArray("MENUITEM|TASK_ABOUT|\r\n") << false;
    }

    void saveOutcomes()
    {
        QFETCH(QStringList, entries);
        QFETCH(bool, modified);
        QFETCH(QString, chosen);
        QFETCH(int, answer);
        QFETCH(int, outcome);
        QFETCH(QByteArray, file);
        QFETCH(bool, modifiedAfter);
        Session s;
        s.folder.write(u"menu.mnu"_s, "old\r\n");
        s.state.recordList.setEntries(entries);
        s.state.recordListModified = modified;
        chosen.isEmpty() ? s.dialogs.cancelFileDialog() : s.dialogs.chooseFile(s.folder.filePath(chosen));
        s.dialogs.answer(Answer(answer));
        QCOMPARE(int(s.commands.saveMenuFile()), outcome);
        QCOMPARE(s.folder.read(u"menu.mnu"_s), file);
        QCOMPARE(s.state.recordListModified, modifiedAfter);
    }

    void openReplacesTheListOnlyAfterACompleteRead()
    {
        Session s;
        const QStringList before{u"MENUITEM|TASK_SHOW_MAP|"_s};
        s.state.recordList.setEntries(before);
        const QString nul = s.folder.write(u"sub/nul.mnu"_s, QByteArray("a\0b", 3));
        const QString good = s.folder.write(u"gute menüs/mein menü.mnu"_s, "MENUITEM|TASK_PLAN_VIA|\r\n");
        for (const QString &path : {QString(), nul, s.folder.filePath(u"vanished.mnu"_s)}) {
            s.dialogs.answer(Answer::No); // the list was never saved
            path.isEmpty() ? s.dialogs.cancelFileDialog() : s.dialogs.chooseFile(path);
            s.open();
            QCOMPARE(s.state.recordList.entries(), before);
            QCOMPARE(s.state.rememberedDirectory, s.folder.path());
        }
        s.dialogs.answer(Answer::No);
        s.dialogs.chooseFile(good);
        s.open();
        QCOMPARE(s.state.recordList.entries(), QStringList{u"MENUITEM|TASK_PLAN_VIA|"_s});
        QCOMPARE(s.state.rememberedDirectory, s.folder.filePath(u"gute menüs"_s));
        QCOMPARE(s.previewClosings, 4);
        QVERIFY(!s.commands.menuDiffersFromFile());

        // The next open dialog starts there, wherever the button folder took us.
        QDir::setCurrent(s.folder.filePath(u"sub"_s));
        s.dialogs.cancelFileDialog();
        s.open();
        QCOMPARE(s.dialogs.shown.last().currentDirectory, s.folder.filePath(u"gute menüs"_s));
        QCOMPARE(s.dialogs.unexpected, 0);
    }

    // Open once threw away a changed menu when its wanted save did not happen.
    void changedMenuIsOfferedForSaving()
    {
        Session s;
        s.state.recordList.append(u"MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|"_s); // as the builder does
        s.dialogs.answer(Answer::Yes);
        s.dialogs.cancelFileDialog();
        s.open();
        QCOMPARE(s.dialogs.shown.size(), 2); // the question and the save dialog, no open dialog
        QCOMPARE(s.dialogs.shown.last().kind, Kind::SaveFile);
        QCOMPARE(s.previewClosings, 0);

        s.dialogs.answer(Answer::Yes);
        s.dialogs.chooseFile(u"menu.mnu"_s);
        QVERIFY(s.commands.offerToSaveChangedMenu());
        QVERIFY(!s.commands.menuDiffersFromFile());
        s.state.recordList.append(u"x"_s);
        s.state.recordList.remove(1);
        QVERIFY(!s.commands.menuDiffersFromFile());
        s.state.recordList.replace(0, u"MENUITEM|TASK_ABOUT|"_s); // changed in place
        QVERIFY(s.commands.menuDiffersFromFile());
        s.state.recordList.clear();
        QVERIFY(s.commands.menuDiffersFromFile());
        // "&Speichern" does not save an emptied list never edited by hand ...
        QCOMPARE(s.commands.saveMenuFile(), Outcome::NotRun);
        // ... but a Yes to the question about changes does.
        s.dialogs.answer(Answer::Yes);
        s.dialogs.chooseFile(u"menu.mnu"_s);
        s.dialogs.answer(Answer::Yes); // overwrite
        QVERIFY(s.commands.offerToSaveChangedMenu());
        QCOMPARE(s.folder.read(u"menu.mnu"_s), QByteArray());
        QCOMPARE(s.dialogs.unexpected, 0);
    }

    void vanishedFoldersKeepTheProgramRunning()
    {
        Session s;
        QDir(s.folder.path()).mkpath(u"start/gone"_s);
        s.state.startDirectory = s.folder.filePath(u"start/gone"_s);
        s.state.rememberedDirectory = s.folder.filePath(u"remembered"_s);
        QDir(s.folder.path()).rmdir(u"start/gone"_s);
        s.dialogs.cancelFileDialog();
        s.open();
        QCOMPARE(s.dialogs.shown.last().currentDirectory, s.folder.path());
        s.commands.restoreStartDirectory();
        QCOMPARE(QDir::currentPath(), s.folder.filePath(u"start"_s));
    }

    void vocabularyFromTheFolderOrBuiltIn()
    {
        Session s;
        s.commands.loadVocabulary();
        QCOMPARE(s.state.vocabulary.entries(), TestData::vocabulary());
        QCOMPARE(s.commands.saveVocabularyAtExit(), Outcome::NotRun);

        s.folder.write(u"Quonda.dat"_s, "about                    \xdc"
                                        "ber\r\n");
        s.state.vocabulary.clear();
        s.commands.loadVocabulary();
        QCOMPARE(s.state.vocabulary.entries(), QStringList{u"about                    Über"_s});

        s.state.vocabularyModified = true;
        QDir::setCurrent(QDir::tempPath());
        s.dialogs.cancelFileDialog();
        QCOMPARE(s.commands.saveVocabularyAtExit(), Outcome::Cancelled);
        QVERIFY(s.state.vocabularyModified);
        QCOMPARE(s.dialogs.shown.last().proposedPath, s.folder.filePath(u"Quonda.dat"_s));
        s.state.vocabulary.clear();
        QCOMPARE(s.commands.saveVocabularyAtExit(), Outcome::NotRun);
    }
};

QTEST_GUILESS_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
