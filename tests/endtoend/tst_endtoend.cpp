#include "library/FileListWindow.h"
#include "library/FolderList.h"
#include "library/LibraryController.h"
#include "preview/PreviewController.h"
#include "preview/PreviewWindow.h"
#include "ScriptedDialogs.h"
#include "shell/ClickableImage.h"
#include "shell/EntryListBox.h"
#include "shell/MainWindow.h"
#include "TestData.h"
#include "TestFolder.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

// The road of a user on a real X server, through the real controls: choose
// and load our button set, click the two-page menu "Optionen" together, save
// it, open it again and page through its preview. Each step goes on from
// where the one before left the window.
class TestEndToEnd : public QObject
{
    Q_OBJECT

private:
    // Opens `menu` in the menu bar and clicks its `entry`, as the mouse would.
    void chooseMenu(const QString &menu, const QString &entry)
    {
        QMenuBar *bar = m_window->menuBar();
        QAction *menuAction = findAction(bar->actions(), menu);
        QVERIFY2(menuAction && menuAction->menu(), qPrintable(menu));
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menuAction).center());
        QMenu *popup = menuAction->menu();
        QVERIFY(QTest::qWaitForWindowExposed(popup));
        QAction *entryAction = findAction(popup->actions(), entry);
        QVERIFY2(entryAction && entryAction->isEnabled(), qPrintable(entry));
        QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(entryAction).center());
        QVERIFY(!popup->isVisible());
    }

    static QAction *findAction(const QList<QAction *> &actions, const QString &text)
    {
        const auto found =
            std::find_if(actions.cbegin(), actions.cend(), [&](QAction *a) { return a->text() == text; });
        return found == actions.cend() ? nullptr : *found;
    }

    void clickBuilder(int index)
    {
        QPushButton *button = m_window->builderButton(index);
        QVERIFY(button && button->isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // The shown button of `command`, found by its tooltip ("034 navigate_to").
    ClickableImage *shownButton(const QString &command) const
    {
        for (ClickableImage *image : m_window->buttonArea()->findChildren<ClickableImage *>()) {
            if (image->isVisible() && image->toolTip().mid(4) == command)
                return image;
        }
        return nullptr;
    }

    // Pages with "&Start/Weiter" until the button of `command` is shown, then clicks it.
    void clickButton(const QString &command)
    {
        // Three batches, walked 0 1 2 1 0: four steps reach any of them.
        for (int step = 0; step < 4 && !shownButton(command); ++step)
            clickBuilder(2);
        ClickableImage *image = shownButton(command);
        QVERIFY2(image, qPrintable(command));
        QTest::mouseClick(image, Qt::LeftButton);
    }

    static QImage rgb(const QPixmap &picture) { return rgb(picture.toImage()); }
    static QImage rgb(const QImage &picture) { return picture.convertToFormat(QImage::Format_RGB32); }
    QStringList records() const { return m_window->state().recordList.entries(); }
    PreviewWindow *preview() const { return m_window->preview()->previewWindow(); }
    QString previewTitle() const { return preview()->findChild<QLabel *>(u"lblMenu"_s)->text(); }
    ClickableImage *place(int index) const { return preview()->findChild<ClickableImage *>(u"imgMen_%1"_s.arg(index)); }

    std::unique_ptr<TestFolder> m_folder;
    QString m_buttonFolder;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<MainWindow> m_window;

private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::platformName(), u"xcb"_s);
        m_folder = std::make_unique<TestFolder>();
        const QDir source(TestData::sourcePath(u"data/buttons"_s));
        QDir().mkpath(u"buttons"_s);
        m_buttonFolder = m_folder->filePath(u"buttons"_s);
        for (const QString &name : source.entryList(QDir::Files))
            QVERIFY(QFile::copy(source.filePath(name), m_folder->filePath(u"buttons/"_s + name)));
        QCOMPARE(QDir(m_buttonFolder).entryList(QDir::Files).size(), 74);

        m_window = std::make_unique<MainWindow>(m_dialogs);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QCOMPARE(m_window->windowTitle(), u"QD5 Tastwerk V 0.25"_s);
        // No "Quonda.dat" in the working folder: the built-in vocabulary.
        QCOMPARE(m_window->state().vocabulary.count(), 74);
    }

    void loadTheButtonSet()
    {
        chooseMenu(u"&Buttons"_s, u"&Ordner Wählen"_s);
        FolderList *folders = m_window->folderList();
        QVERIFY(folders->isVisible());
        const QList<QTreeWidgetItem *> rows = folders->findItems(u"buttons"_s, Qt::MatchExactly | Qt::MatchRecursive);
        QCOMPARE(rows.size(), 1);
        QTest::mouseDClick(folders->viewport(), Qt::LeftButton, {}, folders->visualItemRect(rows.first()).center());
        QCOMPARE(m_window->state().buttonFolder, QDir::toNativeSeparators(m_buttonFolder) + QDir::separator());
        QCOMPARE(QDir::currentPath(), m_buttonFolder);

        chooseMenu(u"&Buttons"_s, u"&Laden"_s);
        FileListWindow *fileList = m_window->library()->fileList();
        QVERIFY(fileList);
        QVERIFY(QTest::qWaitForWindowExposed(fileList));
        QCOMPARE(fileList->windowTitle(), u"File-List"_s);
        auto *names = fileList->findChild<QListWidget *>(u"FileList"_s);
        QCOMPARE(names->count(), 74);
        QCOMPARE(names->item(0)->text(), u"about.gif"_s);
        QVERIFY(!folders->isVisible());
        QTest::mouseClick(fileList->findChild<QPushButton *>(u"cmdFileList_0"_s), Qt::LeftButton);
        QVERIFY(!m_window->library()->fileList());
        QCOMPARE(m_window->state().buttonFiles.count(), 74);
        QVERIFY(!m_window->loadButtonsAction()->isEnabled());
        QVERIFY(m_window->folderChoiceAction()->isEnabled());
    }

    void firstBatchShowsPicturesAndCaptions()
    {
        clickBuilder(2);
        const QList<ClickableImage *> images = m_window->buttonArea()->findChildren<ClickableImage *>();
        QCOMPARE(std::count_if(images.cbegin(), images.cend(), [](QWidget *image) { return image->isVisible(); }), 25);
        ClickableImage *about = shownButton(u"about"_s);
        QVERIFY(about);
        QCOMPARE(about->toolTip(), u"001 about"_s);
        QCOMPARE(rgb(about->pixmap()), rgb(QImage(m_buttonFolder + u"/about.gif"_s)));
        QCOMPARE(m_window->buttonArea()->findChild<QLabel *>(u"lblQDMenu_1"_s)->text(), u"Version anzeigen"_s);
    }

    void composeTheWorkedExample()
    {
        QTest::mouseClick(m_window->titleField(), Qt::LeftButton);
        QTest::keyClicks(m_window->titleField(), u"Optionen"_s);
        QCOMPARE(m_window->titleField()->text(), u"Optionen"_s);

        clickBuilder(3);
        clickBuilder(4);
        QCOMPARE(m_window->pageField()->text(), u"2"_s);
        for (const QString &command :
             {u"navigate_to"_s, u"show_map"_s, u"plan_via"_s, u"add_favorite"_s, u"set_volume"_s, u"page"_s})
            clickButton(command);
        clickBuilder(4);
        QCOMPARE(m_window->pageField()->text(), u"3"_s);
        clickButton(u"switch_nightview"_s);
        clickButton(u"set_language"_s);
        clickBuilder(6);

        QCOMPARE(records(), TestData::WorkedExample);
        QCOMPARE(m_window->pageField()->text(), u"1"_s);
        QCOMPARE(m_dialogs.unexpected, 0);
    }

    void saveWritesTheMenuFile()
    {
        const QString path = m_folder->filePath(u"Optionen.mnu"_s);
        m_dialogs.chooseFile(path);
        chooseMenu(u"&Datei"_s, u"&Speichern"_s);
        QCOMPARE(m_dialogs.shown.constLast().kind, ScriptedDialogs::Kind::SaveFile);

        QCOMPARE(m_folder->read(u"Optionen.mnu"_s), TestData::WorkedExample.join(u"\r\n"_s).toLatin1() + "\r\n");
    }

    void openReadsItBack()
    {
        m_dialogs.answer(UserDialogs::Answer::Yes); // "Menü wirklich Löschen?"
        clickBuilder(0);
        QVERIFY(records().isEmpty());

        m_dialogs.answer(UserDialogs::Answer::No); // the emptied list is not saved
        m_dialogs.chooseFile(m_folder->filePath(u"Optionen.mnu"_s));
        chooseMenu(u"&Datei"_s, u"&Öffnen"_s);
        QCOMPARE(m_dialogs.shown.constLast().kind, ScriptedDialogs::Kind::OpenFile);
        QCOMPARE(records(), TestData::WorkedExample);
        QVERIFY(m_dialogs.allAnswersUsed());
    }

    void previewTurnsThePages()
    {
        clickBuilder(9);
        QVERIFY(preview());
        QVERIFY(QTest::qWaitForWindowExposed(preview()));
        QCOMPARE(preview()->windowTitle(), u"Quonda Menu"_s);
        QCOMPARE(previewTitle(), u"Optionen 1"_s);
        QCOMPARE(rgb(place(0)->pixmap()), rgb(QImage(m_buttonFolder + u"/navigate_to.gif"_s)));
        for (int index = 0; index < 6; ++index)
            QVERIFY(place(index)->isVisible());

        QTest::mouseClick(place(5), Qt::LeftButton);
        QCOMPARE(previewTitle(), u"Optionen 2"_s);
        QVERIFY(place(2)->isVisible());
        QVERIFY(!place(3)->isVisible());

        QTest::mouseClick(place(2), Qt::LeftButton);
        QCOMPARE(previewTitle(), u"Optionen 1"_s);
    }

    void endClosesEverything()
    {
        QPointer<PreviewWindow> open = preview();
        chooseMenu(u"&Datei"_s, u"&Ende"_s);
        QVERIFY(!m_window->isVisible());
        QVERIFY(!open || !open->isVisible());
        QCOMPARE(QDir::currentPath(), m_folder->path());
        QCOMPARE(m_dialogs.unexpected, 0);
        QVERIFY(m_dialogs.allAnswersUsed());
    }

    void cleanupTestCase()
    {
        m_window.reset();
        m_folder.reset();
    }
};

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
