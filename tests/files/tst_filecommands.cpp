#include "files/FileCommands.h"
#include "files/FileTexts.h"
#include "model/ProgramState.h"
#include "ScriptedDialogs.h"
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
    void saveRunsOnlyWithSomethingToSave()
    {
        Session s;
        QCOMPARE(s.commands.saveMenuFile(), Outcome::NotRun);
        QVERIFY(s.dialogs.shown.isEmpty());

        s.state.recordListModified = true; // every record deleted by hand
        s.dialogs.chooseFile(u"leer.mnu"_s);
        QCOMPARE(s.commands.saveMenuFile(), Outcome::Saved);
        QVERIFY(QFileInfo::exists(s.folder.filePath(u"leer.mnu"_s)));
        QCOMPARE(s.folder.read(u"leer.mnu"_s), QByteArray());
        QVERIFY(!s.state.recordListModified);
        const ScriptedDialogs::Shown &dialog = s.dialogs.shown.first();
        QCOMPARE(dialog.kind, Kind::SaveFile);
        QCOMPARE(dialog.title, u"Datei speichern unter"_s);
        QCOMPARE(dialog.filter, u"Dateien (*.mnu)|*.mnu|Alle Dateien (*.*)|*.*"_s);
        QCOMPARE(dialog.filterIndex, 1);
        QCOMPARE(dialog.proposedPath, QString());
    }

    void overwriteCancelAndFailureKeepTheFlag()
    {
        Session s;
        s.state.recordList.setEntries({u"MENUITEM|TASK_ABOUT|"_s});
        s.state.recordListModified = true;
        s.folder.write(u"menu.mnu"_s, "old\r\n");

        s.dialogs.chooseFile(u"menu.mnu"_s);
        s.dialogs.answer(Answer::No);
        QCOMPARE(s.commands.saveMenuFile(), Outcome::KeptExisting);
        QCOMPARE(s.folder.read(u"menu.mnu"_s), "old\r\n");
        const ScriptedDialogs::Shown &question = s.dialogs.shown.last();
        QCOMPARE(question.text, u"Datei existiert bereits. Überschreiben?"_s);
        QCOMPARE(question.title, u"Datei speichern unter"_s);
        QCOMPARE(question.icon, UserDialogs::Icon::None);
        QCOMPARE(question.buttons, UserDialogs::Buttons::YesNo);

        s.dialogs.cancelFileDialog();
        QCOMPARE(s.commands.saveMenuFile(), Outcome::Cancelled);
        if (QFileInfo::exists(u"/dev/full"_s)) {
            s.dialogs.chooseFile(u"/dev/full"_s);
            QCOMPARE(s.commands.saveMenuFile(), Outcome::Failed);
            QCOMPARE(s.dialogs.shown.last().text, u"Fehler beim Schreiben der Datei."_s);
            QCOMPARE(s.dialogs.shown.last().title, u"Datei speichern unter"_s);
            QCOMPARE(s.dialogs.shown.last().icon, UserDialogs::Icon::None);
        }
        QVERIFY(s.state.recordListModified);

        s.dialogs.chooseFile(s.folder.filePath(u"menu.mnu"_s));
        s.dialogs.answer(Answer::Yes);
        QCOMPARE(s.commands.saveMenuFile(), Outcome::Saved);
        QCOMPARE(s.folder.read(u"menu.mnu"_s), "MENUITEM|TASK_ABOUT|\r\n");
        QVERIFY(!s.state.recordListModified);
        QCOMPARE(s.dialogs.unexpected, 0);
    }

    void refusesTextTheFileCannotHold()
    {
        Session s;
        s.state.recordList.setEntries({u"MENUPAGE|TASK_PAGE1|Optionen 1|"_s, u"MENUPAGE|TASK_PAGE2|Łódź 2|"_s});
        QCOMPARE(s.commands.saveMenuFile(), Outcome::Refused);
        QCOMPARE(s.dialogs.shown.size(), 1);
        QCOMPARE(s.dialogs.shown.first().icon, UserDialogs::Icon::Exclamation);
        QVERIFY(s.dialogs.shown.first().text.contains(u"Zeile 2"_s));
        QVERIFY(s.dialogs.shown.first().text.contains(u"„Ł“"_s));
        QVERIFY(QDir(s.folder.path()).isEmpty());
    }

    void openReplacesTheListOnlyAfterACompleteRead()
    {
        Session s;
        const QStringList before{u"MENUITEM|TASK_SHOW_MAP|"_s};
        s.state.recordList.setEntries(before);
        const QString nul = s.folder.write(u"sub/nul.mnu"_s, QByteArray("a\0b", 3));
        const QString good = s.folder.write(u"good/menu.mnu"_s, "MENUITEM|TASK_PLAN_VIA|\r\n");

        s.dialogs.answer(Answer::No); // the list was never saved
        s.dialogs.cancelFileDialog();
        s.open();
        QCOMPARE(s.state.recordList.entries(), before);
        QCOMPARE(s.state.rememberedDirectory, s.folder.path());
        const ScriptedDialogs::Shown &dialog = s.dialogs.shown.at(1);
        QCOMPARE(dialog.kind, Kind::OpenFile);
        QCOMPARE(dialog.title, u"Quonda .mnu Öffnen"_s);
        QCOMPARE(dialog.filter, u"Dateien (*.mnu)|*.mnu|Alle Dateien (*.*)|*.*"_s);

        const QString vanished = s.folder.filePath(u"vanished.mnu"_s);
        for (const QString &path : {nul, vanished}) {
            s.dialogs.answer(Answer::No);
            s.dialogs.chooseFile(path);
            s.open();
            QCOMPARE(s.state.recordList.entries(), before);
            QVERIFY(s.dialogs.shown.last().text.startsWith(u"Fehler beim Öffnen der Datei."_s));
            QCOMPARE(s.dialogs.shown.last().title, u"Quonda .mnu Öffnen"_s);
            QCOMPARE(s.state.rememberedDirectory, s.folder.path());
        }

        s.dialogs.answer(Answer::No);
        s.dialogs.chooseFile(good);
        s.open();
        QCOMPARE(s.state.recordList.entries(), QStringList{u"MENUITEM|TASK_PLAN_VIA|"_s});
        QCOMPARE(s.state.rememberedDirectory, s.folder.filePath(u"good"_s));
        QCOMPARE(s.previewClosings, 4);
        QVERIFY(!s.commands.menuDiffersFromFile());
        QCOMPARE(s.dialogs.unexpected, 0);
    }

    void changedMenuIsOfferedForSaving()
    {
        Session s;
        s.state.recordList.append(u"MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|"_s); // as the builder does
        s.dialogs.answer(Answer::Yes);
        s.dialogs.cancelFileDialog();
        s.open(); // the wanted save did not happen: no open dialog
        QCOMPARE(s.dialogs.shown.size(), 2);
        const ScriptedDialogs::Shown &question = s.dialogs.shown.first();
        QCOMPARE(question.text, u"Das Menü wurde geändert. Änderungen speichern?"_s);
        QCOMPARE(question.icon, UserDialogs::Icon::Question);
        QCOMPARE(question.title, QString());
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
        // "&Speichern" keeps its own condition: an empty list never edited by hand is not saved ...
        QCOMPARE(s.commands.saveMenuFile(), Outcome::NotRun);
        // ... but a Yes to the question about changes saves the emptied menu.
        s.dialogs.answer(Answer::Yes);
        s.dialogs.chooseFile(u"menu.mnu"_s);
        s.dialogs.answer(Answer::Yes); // overwrite
        QVERIFY(s.commands.offerToSaveChangedMenu());
        QCOMPARE(s.folder.read(u"menu.mnu"_s), QByteArray());
        QCOMPARE(s.dialogs.unexpected, 0);
    }

    void dialogsFollowTheFoldersOfChosenFiles()
    {
        Session s;
        const QString first = s.folder.write(u"a/erstes.mnu"_s, "1\r\n");
        s.folder.write(u"b/x.gif"_s, "GIF");
        s.dialogs.chooseFile(first);
        s.open();
        QDir::setCurrent(s.folder.filePath(u"b"_s)); // browsing the button folder
        s.dialogs.cancelFileDialog();
        s.open();
        QCOMPARE(s.dialogs.shown.last().currentDirectory, s.folder.filePath(u"a"_s));

        s.state.recordList.append(u"2"_s);
        s.dialogs.chooseFile(s.folder.filePath(u"b/zweites.mnu"_s));
        s.commands.saveMenuFile();
        QCOMPARE(QDir::currentPath(), s.folder.filePath(u"b"_s));
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
        QCOMPARE(s.dialogs.shown.last().kind, Kind::OpenFile);
        QCOMPARE(s.dialogs.shown.last().currentDirectory, s.folder.path());
        s.commands.restoreStartDirectory();
        QCOMPARE(QDir::currentPath(), s.folder.filePath(u"start"_s));
    }

    void vocabularyFromTheFolderOrBuiltIn()
    {
        Session s;
        s.commands.loadVocabulary();
        QCOMPARE(s.state.vocabulary.count(), 74);
        QCOMPARE(s.state.vocabulary.at(0), u"about                    Version anzeigen"_s);
        QCOMPARE(s.state.vocabulary.at(73), u"page                     Nächste Seite"_s);
        QVERIFY(QDir(s.folder.path()).isEmpty());
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
        const ScriptedDialogs::Shown &dialog = s.dialogs.shown.last();
        QCOMPARE(dialog.filter, u"Dateien (*.dat)|*.dat|Alle Dateien (*.*)|*.*"_s);
        QCOMPARE(dialog.proposedPath, s.folder.filePath(u"Quonda.dat"_s));

        s.state.vocabulary.clear();
        QCOMPARE(s.commands.saveVocabularyAtExit(), Outcome::NotRun);
        QCOMPARE(s.dialogs.unexpected, 0);
    }
};

QTEST_GUILESS_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
