#include "files/FileCommands.h"
#include "files/VocabularyFile.h"
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
    void cancelAndFailureKeepTheModifiedFlag()
    {
        Session s;
        QCOMPARE(s.commands.saveMenuFile(), Outcome::NotRun); // nothing to save: no dialog
        s.state.recordListModified = true;                    // every record deleted by hand
        s.dialogs.chooseFile(u"leeres Menü.mnu"_s);
        QCOMPARE(s.commands.saveMenuFile(), Outcome::Saved);
        QVERIFY(QFileInfo::exists(s.folder.filePath(u"leeres Menü.mnu"_s)));
        QVERIFY(!s.state.recordListModified);

        s.state.recordList.setEntries({u"MENUITEM|TASK_ABOUT|"_s});
        s.state.recordListModified = true;
        s.dialogs.chooseFile(u"leeres Menü.mnu"_s);
        s.dialogs.answer(Answer::No);
        QCOMPARE(s.commands.saveMenuFile(), Outcome::KeptExisting);
        s.dialogs.cancelFileDialog();
        QCOMPARE(s.commands.saveMenuFile(), Outcome::Cancelled);
        s.dialogs.chooseFile(s.folder.path());
        QCOMPARE(s.commands.saveMenuFile(), Outcome::Failed);
        QCOMPARE(s.folder.read(u"leeres Menü.mnu"_s), QByteArray());
        QVERIFY(s.state.recordListModified);

        s.dialogs.chooseFile(s.folder.filePath(u"leeres Menü.mnu"_s));
        s.dialogs.answer(Answer::Yes);
        QCOMPARE(s.commands.saveMenuFile(), Outcome::Saved);
        QCOMPARE(s.folder.read(u"leeres Menü.mnu"_s), "MENUITEM|TASK_ABOUT|\r\n");
        QVERIFY(!s.state.recordListModified);
        QCOMPARE(s.dialogs.unexpected, 0);
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

    // Lines of the program's own vocabulary that must stand exactly as they
    // are: the first, shortest, longest and last ones, and full captions
    // however many lines they need under their buttons.
    void builtInVocabularyCaptions_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("caption");
        QTest::newRow("first line") << u"about"_s << u"Version anzeigen"_s;
        QTest::newRow("help-only entry") << u"help_general"_s << u"Quonda Navigator (nur Hilfe)"_s;
        QTest::newRow("help on planning") << u"help_planning"_s << u"Hilfe Routenplanung"_s;
        QTest::newRow("shortest line") << u"menu_recalc_block"_s << u"?"_s;
        QTest::newRow("route instructions") << u"menu_route_instructions"_s << u"Wegbeschreibung"_s;
        QTest::newRow("two-line label") << u"set_backlight"_s << u"Hintergrund- beleuchtung"_s;
        QTest::newRow("longest line") << u"set_prompt"_s << u"Einstellungen für gesprochene Anweisungen"_s;
        QTest::newRow("last line") << u"page"_s << u"Nächste Seite"_s;
    }

    void builtInVocabularyCaptions()
    {
        QFETCH(QString, command);
        QFETCH(QString, caption);
        const QStringList lines = VocabularyFile::builtIn();
        QCOMPARE(lines.size(), 74);
        QVERIFY2(lines.contains(TestData::vocabularyLine(command, caption)), qPrintable(command));
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
