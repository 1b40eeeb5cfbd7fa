#include "library/ButtonField.h"
#include "library/DriveList.h"
#include "library/Drives.h"
#include "LibraryTestSteps.h"
#include "ScriptedDialogs.h"
#include "shell/ClickableImage.h"
#include "shell/Fonts.h"
#include "TestFolder.h"

#include <QLabel>
#include <QListWidget>

using namespace Qt::StringLiterals;
using namespace LibraryTestSteps;

// Choosing the button folder, the file list window and the menu entries'
// availability along the way.
class TestLibraryController : public QObject
{
    Q_OBJECT

private:
    static QString folderText(const QString &path) { return QDir::toNativeSeparators(path) + QDir::separator(); }

    static int createdMembers(MainWindow &window)
    {
        int count = 0;
        for (QWidget *child : window.buttonArea()->findChildren<QWidget *>()) {
            if (child->objectName() != u"imgQDMenu_0"_s && child->objectName() != u"lblQDMenu_0"_s)
                ++count;
        }
        return count;
    }

    static QWidget *nextTabStop(QWidget *from)
    {
        QWidget *next = from->nextInFocusChain();
        while (next != from && !(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        return next;
    }

    static void fill(const TestFolder &folder)
    {
        for (const QString &name : {u"page.gif"_s, u"readme.txt"_s, u"about.gif"_s})
            folder.write(name, tinyGif());
    }

private slots:
    void menusFollowTheLoad()
    {
        TestFolder folder;
        fill(folder);
        ScriptedDialogs dialogs;
        MainWindow window(dialogs);
        window.show();
        QAction *choose = window.folderChoiceAction();
        QAction *load = window.loadButtonsAction();

        // "&Laden" before any folder is chosen.
        load->trigger();
        QCOMPARE(dialogs.messages(), QStringList{u"Bitte Ordner\r\nAuswählen!"_s});
        QCOMPARE(dialogs.shown.constLast().icon, UserDialogs::Icon::Exclamation);
        QVERIFY(dialogs.shown.constLast().title.isEmpty());
        QVERIFY(!window.library()->fileList());

        choose->trigger();
        QVERIFY(window.folderList()->isVisible() && window.driveList()->isVisible());
        QVERIFY(!choose->isEnabled() && load->isEnabled());
        QVERIFY(window.state().buttonFolder.isEmpty());
        // Still nothing chosen: the lists only show where we stand.
        QCOMPARE(window.folderList()->path(), folder.path());
        load->trigger();
        QCOMPARE(dialogs.messages().size(), 2);

        QTest::mousePress(window.folderList()->viewport(), Qt::RightButton);
        QCOMPARE(window.state().buttonFolder, folderText(folder.path()));

        load->trigger();
        QVERIFY(!window.folderList()->isVisible() && !window.driveList()->isVisible());
        QPointer<FileListWindow> list = window.library()->fileList();
        QVERIFY(list && list->isVisible());
        QCOMPARE(list->windowTitle(), u"File-List"_s);
        QCOMPARE(list->parentWidget(), &window);
        QVERIFY(!list->isModal());
        QVERIFY(!choose->isEnabled() && load->isEnabled());
        load->trigger();
        QCOMPARE(window.findChildren<FileListWindow *>().size(), 1);
        QCOMPARE(window.library()->fileList(), list.data());

        clickFileList(window, 0);
        QVERIFY(!list || !list->isVisible());
        QCOMPARE(window.state().buttonFiles.entries(), (QStringList{u"about.gif"_s, u"page.gif"_s, u"readme.txt"_s}));
        QCOMPARE(window.library()->buttonField().count(), 3);
        QCOMPARE(createdMembers(window), 6);
        QVERIFY(window.findChild<ClickableImage *>(u"imgQDMenu_3"_s));
        QVERIFY(window.findChild<QLabel *>(u"lblQDMenu_3"_s));
        QVERIFY(choose->isEnabled() && !load->isEnabled());
        QCOMPARE(dialogs.messages().size(), 2);

        // A new choice drops the library, templates excepted.
        choose->trigger();
        QCOMPARE(createdMembers(window), 0);
        QVERIFY(window.findChild<QLabel *>(u"imgQDMenu_0"_s) && window.findChild<QLabel *>(u"lblQDMenu_0"_s));
        QVERIFY(window.state().buttonFiles.isEmpty());
        QCOMPARE(window.library()->paging().batch(), ButtonPaging::NoBatch);
        QVERIFY(window.state().buttonFolder.isEmpty());
        QVERIFY(!choose->isEnabled() && load->isEnabled());
        QCOMPARE(dialogs.messages().size(), 2);
    }

    void fileListWindowLayout()
    {
        TestFolder folder;
        fill(folder);
        ScriptedDialogs dialogs;
        MainWindow window(dialogs);
        window.show();
        chooseFolder(window, folder.path());
        window.loadButtonsAction()->trigger();
        FileListWindow *list = window.library()->fileList();
        QCOMPARE(list->objectName(), u"frmQDBilder"_s);
        QCOMPARE(list->size(), QSize(167, 254));
        QVERIFY(!(list->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        auto *files = list->findChild<QListWidget *>(u"FileList"_s);
        QCOMPARE(files->geometry(), QRect(0, 0, 169, 214));
        QCOMPARE(list->names(), (QStringList{u"about.gif"_s, u"page.gif"_s, u"readme.txt"_s}));
        auto *ok = list->findChild<QPushButton *>(u"cmdFileList_0"_s);
        auto *cancel = list->findChild<QPushButton *>(u"cmdFileList_1"_s);
        QCOMPARE(ok->text(), u"OK"_s);
        QCOMPARE(ok->geometry(), QRect(88, 224, 73, 25));
        QCOMPARE(cancel->text(), u"Abbruch"_s);
        QCOMPARE(cancel->geometry(), QRect(8, 224, 73, 25));
        QCOMPARE(ok->font(), Fonts::system());
        QCOMPARE(nextTabStop(cancel), ok);
        QCOMPARE(nextTabStop(ok), files);
        // The main window stays usable meanwhile.
        QVERIFY(window.isEnabled() && !list->isModal());
    }

    void okOnAnEmptyFolderAndAbbruchLoadNothing()
    {
        TestFolder folder;
        QDir(folder.path()).mkdir(u"empty"_s);
        fill(folder);
        ScriptedDialogs dialogs;
        MainWindow window(dialogs);
        window.show();
        load(window, folder.filePath(u"empty"_s));
        QVERIFY(window.state().buttonFiles.isEmpty());
        QCOMPARE(createdMembers(window), 0);
        QVERIFY(window.folderChoiceAction()->isEnabled() && window.loadButtonsAction()->isEnabled());

        chooseFolder(window, folder.path());
        window.loadButtonsAction()->trigger();
        clickFileList(window, 1);
        QVERIFY(window.state().buttonFiles.isEmpty());
        QVERIFY(window.folderChoiceAction()->isEnabled() && window.loadButtonsAction()->isEnabled());
        // The same folder can be listed again and loaded.
        window.loadButtonsAction()->trigger();
        clickFileList(window, 0);
        QCOMPARE(window.state().buttonFiles.count(), 3);
        QCOMPARE(dialogs.shown.size(), 0);
    }

    void closeBoxTakesNothing()
    {
        TestFolder folder;
        fill(folder);
        ScriptedDialogs dialogs;
        MainWindow window(dialogs);
        window.show();
        chooseFolder(window, folder.path());
        window.loadButtonsAction()->trigger();
        window.library()->fileList()->close();
        QVERIFY(window.state().buttonFiles.isEmpty());
        QVERIFY(!window.folderChoiceAction()->isEnabled());
        QVERIFY(window.loadButtonsAction()->isEnabled());
        // Shown again and confirmed, the choice comes back.
        window.loadButtonsAction()->trigger();
        clickFileList(window, 0);
        QVERIFY(window.folderChoiceAction()->isEnabled());
    }

    void doubleClickTakesTheOpenedFolderAtOnce()
    {
        TestFolder folder;
        QDir(folder.path()).mkpath(u"A/B"_s);
        QDir(folder.path()).mkpath(u"A/a2"_s);
        QDir(folder.path()).mkpath(u"A/.hidden"_s);
        const QString a = folder.filePath(u"A"_s);
        const QString b = folder.filePath(u"A/B"_s);
        ScriptedDialogs dialogs;
        MainWindow window(dialogs);
        window.show();
        chooseFolder(window, a);
        FolderList *folders = window.folderList();

        // The path from the root down, each folder one step further in, then
        // the subfolders of the open one.
        QTreeWidgetItem *open = folders->currentItem();
        QCOMPARE(open->text(0), u"A"_s);
        QCOMPARE(open->childCount(), 2);
        QCOMPARE(open->child(0)->text(0), u"a2"_s);
        QCOMPARE(open->child(1)->text(0), u"B"_s);
        int depth = 0;
        for (QTreeWidgetItem *up = open; up->parent(); up = up->parent())
            ++depth;
        QCOMPARE(depth, a.count(u'/'));
        QCOMPARE(folders->topLevelItem(0)->text(0), QDir::toNativeSeparators(QDir::rootPath()));

        // A single press on B only selects it: the open folder is taken.
        const QPoint onB = folders->visualItemRect(open->child(1)).center();
        QTest::mouseClick(folders->viewport(), Qt::LeftButton, {}, onB);
        QCOMPARE(window.state().buttonFolder, folderText(a));
        QCOMPARE(QDir::currentPath(), a);

        QTest::mouseDClick(folders->viewport(), Qt::LeftButton, {}, onB);
        QCOMPARE(folders->path(), b);
        QCOMPARE(window.state().buttonFolder, folderText(b));
        QCOMPARE(QDir::currentPath(), b);
        QTest::mouseClick(folders->viewport(), Qt::LeftButton);
        QCOMPARE(window.state().buttonFolder, folderText(b));

        // Back up by a double-click on an ancestor.
        QTreeWidgetItem *parentRow = folders->currentItem()->parent();
        QTest::mouseDClick(folders->viewport(), Qt::LeftButton, {}, folders->visualItemRect(parentRow).center());
        QCOMPARE(window.state().buttonFolder, folderText(a));
        QCOMPARE(dialogs.shown.size(), 0);
    }

    void foldersThatVanishChangeNothing()
    {
        TestFolder folder;
        QDir(folder.path()).mkpath(u"A/B"_s);
        fill(folder);
        ScriptedDialogs dialogs;
        MainWindow window(dialogs);
        window.show();
        chooseFolder(window, folder.filePath(u"A"_s));
        FolderList *folders = window.folderList();
        const QPoint onB = folders->visualItemRect(folders->currentItem()->child(0)).center();
        QDir(folder.filePath(u"A/B"_s)).removeRecursively();
        QTest::mouseDClick(folders->viewport(), Qt::LeftButton, {}, onB);
        QCOMPARE(folders->path(), folder.filePath(u"A"_s));
        QCOMPARE(window.state().buttonFolder, folderText(folder.filePath(u"A"_s)));
        QCOMPARE(dialogs.messages().size(), 1);
        QVERIFY(dialogs.messages().constLast().contains(u"lässt sich nicht öffnen"_s));

        // The chosen folder vanishes before "&Laden".
        QDir::setCurrent(folder.path());
        QDir(folder.filePath(u"A"_s)).removeRecursively();
        window.loadButtonsAction()->trigger();
        QVERIFY(!window.library()->fileList());
        QVERIFY(folders->isVisible());
        QCOMPARE(dialogs.messages().size(), 2);
        QVERIFY(dialogs.messages().constLast().startsWith(u"Der Button-Ordner\r\n"_s));
    }

    void drivesThatAreNotReadyChangeNothing()
    {
        TestFolder folder;
        ScriptedDialogs dialogs;
        MainWindow window(dialogs);
        window.show();
        chooseFolder(window, folder.path());
        DriveList *drives = window.driveList();
        const QString drive = drives->drive();
        QCOMPARE(drive, Drives::rootOf(folder.path()));
        QCOMPARE(drives->currentData().toString(), drive);

        drives->addItem(u"gone"_s, folder.filePath(u"gone/"_s));
        emit drives->activated(drives->count() - 1);
        QCOMPARE(dialogs.messages().size(), 1);
        QVERIFY(dialogs.messages().constFirst().contains(u"nicht bereit"_s));
        QCOMPARE(drives->drive(), drive);
        QCOMPARE(drives->currentData().toString(), drive);
        QCOMPARE(window.folderList()->path(), folder.path());

        // A ready drive shows its root; the chosen folder stays until a press.
        const int root = drives->findData(QDir::rootPath());
        QVERIFY(root >= 0);
        emit drives->activated(root);
        QCOMPARE(window.folderList()->path(), QDir::rootPath());
        QCOMPARE(window.state().buttonFolder, folderText(folder.path()));
        QCOMPARE(dialogs.messages().size(), 1);
    }

    void shutDownReleasesAndClosesTheList()
    {
        TestFolder folder;
        fill(folder);
        ScriptedDialogs dialogs;
        MainWindow window(dialogs);
        window.show();
        load(window, folder.path());
        window.folderChoiceAction()->trigger();
        chooseFolder(window, folder.path());
        window.loadButtonsAction()->trigger();
        QPointer<FileListWindow> list = window.library()->fileList();
        window.library()->acceptButtonFiles({u"x.gif"_s});
        window.close();
        QVERIFY(!list || !list->isVisible());
        QCOMPARE(createdMembers(window), 0);
    }
};

QTEST_MAIN(TestLibraryController)
#include "tst_librarycontroller.moc"
