#include "ScriptedDialogs.h"
#include "shell/MainWindow.h"
#include "TestFolder.h"

#include <QAction>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;
using Kind = ScriptedDialogs::Kind;

class TestFilesController : public QObject
{
    Q_OBJECT

private slots:
    void menuCommandsOpenAndSave()
    {
        TestFolder folder;
        folder.write(u"Quonda.dat"_s, "about                    Version anzeigen\r\n");
        const QString menu = folder.write(u"menüs/mein menü.mnu"_s, "MENUITEM|TASK_ABOUT|\r\n");
        ScriptedDialogs dialogs;
        MainWindow window(dialogs);
        QCOMPARE(window.state().vocabulary.entries(), QStringList{u"about                    Version anzeigen"_s});

        dialogs.chooseFile(menu);
        window.findChild<QAction *>(u"mnuDLaden"_s)->trigger();
        QCOMPARE(window.state().recordList.entries(), QStringList{u"MENUITEM|TASK_ABOUT|"_s});

        window.state().recordList.append(u"MENUITEM|TASK_PAGE1|"_s);
        dialogs.chooseFile(menu);
        dialogs.answer(UserDialogs::Answer::Yes);
        window.findChild<QAction *>(u"mnuDSpeichern"_s)->trigger();
        QCOMPARE(folder.read(u"menüs/mein menü.mnu"_s), "MENUITEM|TASK_ABOUT|\r\nMENUITEM|TASK_PAGE1|\r\n");
        QCOMPARE(dialogs.unexpected, 0);
    }

    void shutDownOffersMenuThenVocabularyAndReturnsToTheStart()
    {
        TestFolder folder;
        QDir(folder.path()).mkdir(u"buttons"_s);
        ScriptedDialogs dialogs;
        {
            MainWindow window(dialogs);
            QCOMPARE(window.state().vocabulary.count(), 74); // no Quonda.dat here
            window.state().recordList.append(u"MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|"_s);
            window.state().vocabularyModified = true;
            QDir::setCurrent(folder.filePath(u"buttons"_s));
            dialogs.answer(UserDialogs::Answer::Yes);
            dialogs.chooseFile(folder.filePath(u"menu.mnu"_s));
            dialogs.chooseFile(folder.filePath(u"Quonda.dat"_s));
            window.close();
        }
        QCOMPARE(dialogs.shown.size(), 3);
        QCOMPARE(dialogs.shown.at(0).text, u"Das Menü wurde geändert. Änderungen speichern?"_s);
        QCOMPARE(dialogs.shown.at(1).filter, u"Dateien (*.mnu)|*.mnu|Alle Dateien (*.*)|*.*"_s);
        QCOMPARE(dialogs.shown.at(2).kind, Kind::SaveFile);
        QCOMPARE(dialogs.shown.at(2).proposedPath, folder.filePath(u"Quonda.dat"_s));
        QCOMPARE(folder.read(u"menu.mnu"_s), "MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|\r\n");
        // The built-in vocabulary is our data file, byte for byte.
        QFile data(qEnvironmentVariable("TASTWERK_SOURCE_DIR") + u"/data/Quonda.dat"_s);
        QVERIFY(data.open(QIODevice::ReadOnly));
        QCOMPARE(folder.read(u"Quonda.dat"_s), data.readAll());
        QCOMPARE(QDir::currentPath(), folder.path());
        QCOMPARE(dialogs.unexpected, 0);
    }
};

QTEST_MAIN(TestFilesController)
#include "tst_filescontroller.moc"
