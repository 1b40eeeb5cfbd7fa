#include "Desk.h"
#include "GifBytes.h"
#include "library/ButtonField.h"
#include "shell/ClickableImage.h"
#include "shell/HelpController.h"
#include "shell/InfoWindow.h"
#include "TestData.h"

using namespace Qt::StringLiterals;
using Answer = UserDialogs::Answer;

namespace {

// How a save at the end does not happen.
enum class Miss { QuestionCancelled, Refused, DialogCancelled, NotOverwritten, Failed };

} // namespace

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

    // Whatever keeps a save from happening keeps the window open as it was:
    // lists, flags, buttons, other windows and folder. "&Ende" then asks
    // again, and "Nein" to the menu's question ends without saving it.
    void unsavedChangesKeepTheWindowOpen_data()
    {
        QTest::addColumn<bool>("menu");
        QTest::addColumn<Miss>("miss");
        QTest::newRow("menu: Abbrechen") << true << Miss::QuestionCancelled;
        QTest::newRow("menu: entry refused") << true << Miss::Refused;
        QTest::newRow("menu: dialog cancelled") << true << Miss::DialogCancelled;
        QTest::newRow("menu: write failed") << true << Miss::Failed;
        QTest::newRow("vocabulary: entry refused") << false << Miss::Refused;
        QTest::newRow("vocabulary: dialog cancelled") << false << Miss::DialogCancelled;
        QTest::newRow("vocabulary: not overwritten") << false << Miss::NotOverwritten;
        QTest::newRow("vocabulary: write failed") << false << Miss::Failed;
    }

    void unsavedChangesKeepTheWindowOpen()
    {
        QFETCH(bool, menu);
        QFETCH(Miss, miss);
        Desk desk;
        desk.folder.write(u"buttons/about.gif"_s, GifBytes::filled(QSize(80, 50), 0x336699));
        desk.window.show();
        desk.loadButtons(desk.folder.filePath(u"buttons"_s));
        desk.builder(2);
        desk.trigger(u"mnuInfo"_s);
        const QString entry = miss == Miss::Refused ? u"MENUPAGE|TASK_PAGE1|Łódź 1|"_s : u"MENUITEM|TASK_ABOUT|"_s;
        EntryListModel &list = menu ? desk.state.recordList : desk.state.vocabulary;
        list.append(entry);
        (menu ? desk.state.recordListModified : desk.state.vocabularyModified) = true;
        const QStringList entries = list.entries();
        const QString here = QDir::currentPath();

        if (menu)
            desk.dialogs.answer(miss == Miss::QuestionCancelled ? Answer::Cancel : Answer::Yes);
        if (miss == Miss::DialogCancelled)
            desk.dialogs.cancelFileDialog();
        if (miss == Miss::NotOverwritten) {
            desk.dialogs.chooseFile(desk.folder.write(u"list.txt"_s, "old\r\n"));
            desk.dialogs.answer(Answer::No);
        }
        if (miss == Miss::Failed)
            desk.dialogs.chooseFile(desk.folder.filePath(u"vanished/list.txt"_s));
        desk.trigger(u"mnuDEnde"_s);
        QVERIFY(desk.window.isVisible());
        QCOMPARE(list.entries(), entries);
        QVERIFY(menu ? desk.state.recordListModified : desk.state.vocabularyModified);
        QCOMPARE(desk.window.library()->buttonField().count(), 1);
        QVERIFY(desk.window.library()->buttonField().image(1)->isVisible());
        QVERIFY(desk.window.help()->infoWindow() && desk.window.help()->infoWindow()->isVisible());
        // Not back in the start folder; a file chosen in the dialog made its
        // own folder current.
        if (miss != Miss::Failed && miss != Miss::NotOverwritten)
            QCOMPARE(QDir::currentPath(), here);
        QVERIFY(desk.dialogs.allAnswersUsed());

        if (menu) {
            desk.dialogs.answer(Answer::No);
        } else {
            list.remove(list.count() - 1);
            desk.dialogs.chooseFile(desk.folder.filePath(u"Quonda.dat"_s));
        }
        desk.trigger(u"mnuDEnde"_s);
        QVERIFY(!desk.window.isVisible());
        QCOMPARE(desk.window.library()->buttonField().count(), 0);
        QVERIFY(!desk.window.help()->infoWindow());
        QCOMPARE(QDir::currentPath(), QDir(desk.folder.path()).canonicalPath());
        QCOMPARE(desk.dialogs.unexpected, 0);
    }
};

QTEST_MAIN(TestFilesController)
#include "tst_filescontroller.moc"
