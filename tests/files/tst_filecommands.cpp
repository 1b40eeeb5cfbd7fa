#include "files/FileCommands.h"
#include "files/VocabularyFile.h"
#include "model/ProgramState.h"
#include "ScriptedDialogs.h"
#include "TestData.h"
#include "TestFolder.h"

#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

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

// A named pipe nobody writes to: opening it for reading waits for a writer,
// and for writing, for a reader. Empty when the system has no such thing.
QString makePipe(const QString &path)
{
#ifdef Q_OS_UNIX
    if (::mkfifo(QFile::encodeName(path).constData(), 0600) == 0)
        return path;
#endif
    return {};
}

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
        // Writing a pipe waits for a reader: the save must not keep the window waiting.
        QTest::newRow("a pipe nobody reads")
            << about << true << u"pipe"_s << yes << int(Outcome::Failed) << QByteArray("old\r\n") << true;
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
        if (chosen == u"pipe")
            QVERIFY2(!makePipe(s.folder.filePath(chosen)).isEmpty(), "cannot make a named pipe here");
        s.state.recordList.setEntries(entries);
        s.state.recordListModified = modified;
        chosen.isEmpty() ? s.dialogs.cancelFileDialog() : s.dialogs.chooseFile(s.folder.filePath(chosen));
        s.dialogs.answer(Answer(answer));
        QCOMPARE(int(s.commands.saveMenuFile()), outcome);
        QCOMPARE(s.folder.read(u"menu.mnu"_s), file);
        QCOMPARE(s.state.recordListModified, modifiedAfter);
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

        s.dialogs.answer(Answer::Cancel); // "Abbrechen": neither saved nor opened
        s.open();
        QCOMPARE(s.dialogs.shown.size(), 3);
        QCOMPARE(s.dialogs.shown.last().buttons, UserDialogs::Buttons::YesNoCancel);
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
        // A Yes to the question saves even an emptied list never edited by hand.
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
        QTest::newRow("shortest line") << u"menu_recalc_block"_s << u"?"_s;
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

    // The file stays for the user to look at; the program works with its
    // own vocabulary instead, and says so.
    void unreadableVocabularyIsNamed_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("null byte") << QByteArray("about                    Version\0anzeigen\r\n", 42)
                                   << u"Die Datei enthält Nullbytes und ist keine Textdatei."_s;
        QTest::newRow("over the size limit")
            << QByteArray() << u"Die Datei ist 47,7 MB groß; geöffnet werden Dateien bis 40 MB."_s;
        QTest::newRow("UTF-16 mark, odd length") << QByteArray("\xFF\xFE\x61\x00\x62")
                                                 << u"Die Datei beginnt mit der Kennung von UTF-16, ist dahinter "
                                                    u"aber kein gültiger UTF-16-Text."_s;
        QTest::newRow("pipe") << QByteArray("pipe")
                              << u"Das ist keine gewöhnliche Datei, sondern ein Ordner, ein Gerät oder eine Pipe."_s;
    }

    void unreadableVocabularyIsNamed()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        Session s;
        const QString path = s.folder.filePath(u"Quonda.dat"_s);
        if (bytes == "pipe") {
            QVERIFY2(!makePipe(path).isEmpty(), "cannot make a named pipe here");
        } else if (bytes.isEmpty()) {
            QFile big(path);
            QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(50 * 1000 * 1000));
        } else {
            s.folder.write(u"Quonda.dat"_s, bytes);
        }
        s.commands.loadVocabulary();
        QCOMPARE(s.dialogs.messages(), QStringList{u"Quonda.dat konnte nicht gelesen werden: "_s + reason
                                                   + u"\r\n\r\n"_s + QDir::toNativeSeparators(path)
                                                   + u"\r\n\r\nStattdessen gilt das eingebaute Vokabular."_s});
        QCOMPARE(s.dialogs.shown.last().icon, UserDialogs::Icon::Exclamation);
        QCOMPARE(s.state.vocabulary.entries(), TestData::vocabulary());
    }

    // The damaged file is replaced only after the usual question.
    void unreadableVocabularyIsOverwrittenOnlyOnYes()
    {
        Session s;
        const QByteArray damaged("about                    Version\0anzeigen\r\n", 42);
        s.folder.write(u"Quonda.dat"_s, damaged);
        s.commands.loadVocabulary();
        s.state.vocabulary.append(TestData::vocabularyLine(u"my_button"_s, u"Mein Button"_s));
        s.state.vocabularyModified = true;

        s.dialogs.chooseFile(s.folder.filePath(u"Quonda.dat"_s));
        s.dialogs.answer(Answer::No);
        QCOMPARE(s.commands.saveVocabularyAtExit(), Outcome::KeptExisting);
        QCOMPARE(s.folder.read(u"Quonda.dat"_s), damaged);

        s.dialogs.chooseFile(s.folder.filePath(u"Quonda.dat"_s));
        s.dialogs.answer(Answer::Yes);
        QCOMPARE(s.commands.saveVocabularyAtExit(), Outcome::Saved);
        QCOMPARE(s.folder.read(u"Quonda.dat"_s),
                 TestData::sourceBytes(u"data/Quonda.dat"_s) + "my_button                Mein Button\r\n");
        QCOMPARE(s.dialogs.unexpected, 0);
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
