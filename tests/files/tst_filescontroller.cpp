#include "Desk.h"
#include "TestData.h"

using namespace Qt::StringLiterals;

class TestFilesController : public QObject
{
    Q_OBJECT

private slots:
    // Shut-down asks about the menu first, then saves the vocabulary, then
    // returns to the folder the program started in.
    void shutDownOffersMenuThenVocabulary()
    {
        TestFolder folder;
        QDir(folder.path()).mkdir(u"buttons"_s);
        ScriptedDialogs dialogs;
        {
            MainWindow window(dialogs);
            window.state().recordList.append(u"MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|"_s);
            window.state().vocabularyModified = true;
            QDir::setCurrent(folder.filePath(u"buttons"_s));
            dialogs.answer(UserDialogs::Answer::Yes);
            dialogs.chooseFile(folder.filePath(u"menu.mnu"_s));
            dialogs.chooseFile(folder.filePath(u"Quonda.dat"_s));
            window.close();
        }
        QCOMPARE(dialogs.shown.size(), 3);
        QCOMPARE(dialogs.shown.at(0).kind, ScriptedDialogs::Kind::Message);
        QCOMPARE(dialogs.shown.at(2).proposedPath, folder.filePath(u"Quonda.dat"_s));
        QCOMPARE(folder.read(u"menu.mnu"_s), "MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|\r\n");
        // The built-in vocabulary is our data file, byte for byte.
        QCOMPARE(folder.read(u"Quonda.dat"_s), TestData::sourceBytes(u"data/Quonda.dat"_s));
        QCOMPARE(QDir::currentPath(), folder.path());
        QCOMPARE(dialogs.unexpected, 0);
    }
};

QTEST_MAIN(TestFilesController)
#include "tst_filescontroller.moc"
