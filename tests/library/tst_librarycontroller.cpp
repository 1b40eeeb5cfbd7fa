#include "Desk.h"
#include "GifBytes.h"
#include "library/ButtonField.h"
#include "library/DriveList.h"
#include "library/Drives.h"

#ifdef Q_OS_UNIX
#include <fcntl.h>
#endif

using namespace Qt::StringLiterals;

namespace {

QString folderText(const QString &path)
{
    return QDir::toNativeSeparators(path) + QDir::separator();
}

void fill(const TestFolder &folder)
{
    for (const QString &name : {u"page.gif"_s, u"readme.txt"_s, u"about.gif"_s})
        folder.write(name, GifBytes::filled(QSize(1, 1), 0xff0000));
}

} // namespace

// Choosing the button folder, the file list window and the menu entries'
// availability along the way.
class TestLibraryController : public QObject
{
    Q_OBJECT

private slots:
    void loadingAFolderWithoutButtonsLoadsNothing()
    {
        Desk desk;
        QDir(desk.folder.path()).mkdir(u"empty"_s);
        desk.window.show();
        desk.trigger(u"mnuBLaden"_s); // before any folder is chosen: refused
        QVERIFY(!desk.library()->fileList());
        QCOMPARE(desk.dialogs.messages(), QStringList{u"Bitte Ordner\r\nAuswählen!"_s});
        desk.loadButtons(desk.folder.filePath(u"empty"_s));
        QVERIFY(desk.state.buttonFiles.isEmpty());
        QVERIFY(desk.child<QAction>(u"mnuBOrdnerWae"_s)->isEnabled()
                && desk.child<QAction>(u"mnuBLaden"_s)->isEnabled());
    }

    void menusFollowTheFileList()
    {
        Desk desk;
        fill(desk.folder);
        desk.window.show();
        QAction *choose = desk.child<QAction>(u"mnuBOrdnerWae"_s);
        QAction *load = desk.child<QAction>(u"mnuBLaden"_s);
        choose->trigger();
        QVERIFY(desk.folderList()->isVisible() && desk.child<DriveList>(u"Drive1"_s)->isVisible());
        QVERIFY(!choose->isEnabled() && load->isEnabled());
        QVERIFY(desk.state.buttonFolder.isEmpty()); // the lists only show where we stand
        QTest::mousePress(desk.folderList()->viewport(), Qt::RightButton);
        QCOMPARE(desk.state.buttonFolder, folderText(desk.folder.path()));

        // "Abbruch" and the close box take nothing; shown twice it is one window.
        load->trigger();
        QVERIFY(!desk.folderList()->isVisible() && !desk.child<DriveList>(u"Drive1"_s)->isVisible());
        QPointer<FileListWindow> list = desk.library()->fileList();
        QVERIFY(list && list->isVisible() && !list->isModal());
        QTest::mouseClick(list->findChild<QPushButton *>(u"cmdFileList_1"_s), Qt::LeftButton); // "Abbruch"
        QVERIFY(desk.state.buttonFiles.isEmpty());
        QVERIFY(choose->isEnabled() && load->isEnabled());
        load->trigger();
        list = desk.library()->fileList();
        load->trigger();
        QCOMPARE(desk.library()->fileList(), list.data());
        desk.library()->fileList()->close();
        QVERIFY(desk.state.buttonFiles.isEmpty() && !choose->isEnabled());

        load->trigger();
        desk.acceptFileList();
        QCOMPARE(desk.state.buttonFiles.entries(), (QStringList{u"about.gif"_s, u"page.gif"_s, u"readme.txt"_s}));
        QVERIFY(choose->isEnabled() && !load->isEnabled());
        QCOMPARE(desk.dialogs.shown.size(), 0);
    }

    void aNewChoiceDropsTheLibrary()
    {
        Desk desk;
        fill(desk.folder);
        desk.window.show();
        desk.loadButtons(desk.folder.path());
        desk.trigger(u"mnuBOrdnerWae"_s);
        QCOMPARE(desk.buttonField().count(), 0);
        QVERIFY(!desk.child(u"imgQDMenu_1"_s) && desk.child(u"imgQDMenu_0"_s) && desk.child(u"lblQDMenu_0"_s));
        QVERIFY(desk.state.buttonFiles.isEmpty() && desk.state.buttonFolder.isEmpty());
        QCOMPARE(desk.library()->paging().batch(), ButtonPaging::NoBatch);
    }

    void shutDownClosesTheListAndReleasesTheButtons()
    {
        Desk desk;
        desk.window.show();
        desk.chooseFolder(desk.folder.path());
        desk.trigger(u"mnuBLaden"_s);
        const QPointer<FileListWindow> list = desk.library()->fileList();
        desk.library()->acceptButtonFiles({u"x.gif"_s});
        desk.window.close();
        QVERIFY(!list || !list->isVisible());
        QCOMPARE(desk.buttonField().count(), 0);
    }

    // A file whose name is no text in the file system's encoding cannot be
    // listed; it is named in a box instead of vanishing without a word.
    void filesWithUnreadableNamesAreNamed()
    {
#ifndef Q_OS_UNIX
        QFAIL("only Unix names files in bytes that may be no text");
#else
        Desk desk;
        desk.folder.write(u"set/about.gif"_s, GifBytes::filled(QSize(1, 1), 0xff0000));
        const QByteArray unreadable = QFile::encodeName(desk.folder.filePath(u"set"_s)) + "/\xFF\xFE.gif";
        QFile raw;
        QVERIFY(raw.open(::open(unreadable.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600), QIODevice::WriteOnly,
                         QFileDevice::AutoCloseHandle));
        raw.close();
        desk.chooseFolder(desk.folder.filePath(u"set"_s));
        desk.trigger(u"mnuBLaden"_s);
        QCOMPARE(desk.library()->fileList()->names(), QStringList{u"about.gif"_s});
        QCOMPARE(desk.dialogs.messages(),
                 QStringList{u"Der Button-Ordner enthält Dateien, deren Namen sich nicht lesen lassen; sie fehlen in "
                             u"der Liste:\r\n\r\n\uFFFD\uFFFD.gif\r\n\r\nBitte benennen Sie diese Dateien um."_s});
        QCOMPARE(desk.dialogs.shown.last().icon, UserDialogs::Icon::Exclamation);
#endif
    }

    // A double-click once only selected the row; the next press took the
    // folder that was open before.
    void doubleClickTakesTheOpenedFolderAtOnce()
    {
        Desk desk;
        QDir(desk.folder.path()).mkpath(u"A/B"_s);
        QDir(desk.folder.path()).mkpath(u"A/a2"_s);
        QDir(desk.folder.path()).mkpath(u"A/.hidden"_s);
        const QString a = desk.folder.filePath(u"A"_s);
        const QString b = desk.folder.filePath(u"A/B"_s);
        desk.window.show();
        desk.chooseFolder(a);
        FolderList *folders = desk.folderList();

        // The path from the root down, then the subfolders of the open one.
        QTreeWidgetItem *open = folders->currentItem();
        QCOMPARE(open->text(0), u"A"_s);
        QCOMPARE(open->childCount(), 2);
        QCOMPARE(open->child(0)->text(0), u"a2"_s);
        QCOMPARE(folders->topLevelItem(0)->text(0), QDir::toNativeSeparators(QDir::rootPath()));

        // A single press on B only selects it: the open folder is taken.
        const QPoint onB = folders->visualItemRect(open->child(1)).center();
        QTest::mouseClick(folders->viewport(), Qt::LeftButton, {}, onB);
        QCOMPARE(desk.state.buttonFolder, folderText(a));
        QTest::mouseDClick(folders->viewport(), Qt::LeftButton, {}, onB);
        QCOMPARE(folders->path(), b);
        QCOMPARE(desk.state.buttonFolder, folderText(b));
        QCOMPARE(QDir::currentPath(), b);

        // Back up by a double-click on an ancestor.
        QTreeWidgetItem *parentRow = folders->currentItem()->parent();
        QTest::mouseDClick(folders->viewport(), Qt::LeftButton, {}, folders->visualItemRect(parentRow).center());
        QCOMPARE(desk.state.buttonFolder, folderText(a));

        // A folder that vanished before its double-click changes nothing.
        const QPoint onA2 = folders->visualItemRect(folders->currentItem()->child(0)).center();
        QDir(desk.folder.filePath(u"A/a2"_s)).removeRecursively();
        QTest::mouseDClick(folders->viewport(), Qt::LeftButton, {}, onA2);
        QCOMPARE(desk.state.buttonFolder, folderText(a));
        QCOMPARE(desk.dialogs.messages().size(), 1);

        // Nor does a chosen folder that vanishes before "&Laden".
        QDir::setCurrent(desk.folder.path());
        QDir(a).removeRecursively();
        desk.trigger(u"mnuBLaden"_s);
        QVERIFY(!desk.library()->fileList() && folders->isVisible());
        QCOMPARE(desk.dialogs.messages().size(), 2);
    }

    void drivesThatAreNotReadyChangeNothing()
    {
        Desk desk;
        desk.window.show();
        desk.chooseFolder(desk.folder.path());
        DriveList *drives = desk.child<DriveList>(u"Drive1"_s);
        const QString drive = drives->drive();
        QCOMPARE(drive, Drives::rootOf(desk.folder.path()));

        drives->addItem(u"gone"_s, desk.folder.filePath(u"gone/"_s));
        emit drives->activated(drives->count() - 1);
        QCOMPARE(desk.dialogs.messages().size(), 1);
        QCOMPARE(drives->drive(), drive);
        QCOMPARE(drives->currentData().toString(), drive);
        QCOMPARE(desk.folderList()->path(), desk.folder.path());

        // A ready drive shows its root; the chosen folder stays until a press.
        emit drives->activated(drives->findData(QDir::rootPath()));
        QCOMPARE(desk.folderList()->path(), QDir::rootPath());
        QCOMPARE(desk.state.buttonFolder, folderText(desk.folder.path()));
    }
};

QTEST_MAIN(TestLibraryController)
#include "tst_librarycontroller.moc"
