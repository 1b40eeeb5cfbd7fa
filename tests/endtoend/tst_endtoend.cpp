#include "common/ClickableImage.h"
#include "Desk.h"
#include "editor/EntryListBox.h"
#include "preview/PreviewController.h"
#include "preview/PreviewWindow.h"
#include "TestData.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

// The road of a user on a real X server, through the real controls: choose
// and load our button set, click the two-page menu "Optionen" together, save
// it, open it again and page through its preview. Each step goes on from
// where the one before left the window.
class TestEndToEnd : public QObject
{
    Q_OBJECT

    std::unique_ptr<Desk> m_desk;

    // Opens `menu` in the menu bar and clicks its `entry`, as the mouse would.
    void chooseMenu(const QString &menu, const QString &entry)
    {
        const auto find = [](const QList<QAction *> &actions, const QString &text) {
            const auto found =
                std::find_if(actions.cbegin(), actions.cend(), [&](QAction *action) { return action->text() == text; });
            return found == actions.cend() ? nullptr : *found;
        };
        QMenuBar *bar = m_desk->window.menuBar();
        QAction *menuAction = find(bar->actions(), menu);
        QVERIFY2(menuAction && menuAction->menu(), qPrintable(menu));
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menuAction).center());
        QMenu *popup = menuAction->menu();
        QVERIFY(QTest::qWaitForWindowExposed(popup));
        QAction *entryAction = find(popup->actions(), entry);
        QVERIFY2(entryAction && entryAction->isEnabled(), qPrintable(menu + u" → "_s + entry));
        QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(entryAction).center());
        QVERIFY(!popup->isVisible());
    }

    // Pages with "&Start/Weiter" until the button of `command` is shown;
    // members are numbered in the order of the loaded files. Three batches,
    // walked 0 1 2 1 0: four steps reach any of them.
    ClickableImage *shownButton(const QString &command) const
    {
        const qsizetype file = m_desk->state.buttonFiles.entries().indexOf(command + u".gif"_s);
        ClickableImage *image = file < 0 ? nullptr : m_desk->buttonField().image(int(file) + 1);
        for (int step = 0; image && step < 4 && !image->isVisible(); ++step)
            m_desk->click(Builder::NextBatch);
        return image && image->isVisible() ? image : nullptr;
    }

    void clickButton(const QString &command)
    {
        ClickableImage *button = shownButton(command);
        QVERIFY2(button, qPrintable(command));
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // Presses at `from` in `source`, moves on past the drag distance and
    // lets go at `to` in `target`. The drag runs its own event loop from the
    // move that starts it, so the rest of the way is taken from inside it;
    // the release it holds back until it has ended is delivered before the
    // next drag, which would take it for its own.
    static void dragWithMouse(QWidget *source, QPoint from, QWidget *target, QPoint to)
    {
        QTest::mousePress(source, Qt::LeftButton, {}, from);
        QTimer::singleShot(0, target, [target, to] {
            QTest::mouseMove(target, to - QPoint(0, 4));
            QTest::mouseMove(target, to);
            QTest::mouseRelease(target, Qt::LeftButton, {}, to);
        });
        QTest::mouseMove(source, from + QPoint(QApplication::startDragDistance() + 4, 0));
        QCoreApplication::processEvents();
    }

private slots:
    void loadTheButtonSet()
    {
        QCOMPARE(QGuiApplication::platformName(), u"xcb"_s);
        m_desk = std::make_unique<Desk>();
        const QDir source(TestData::sourcePath(u"data/buttons"_s));
        for (const QString &name : source.entryList(QDir::Files))
            m_desk->folder.write(u"buttons/"_s + name, TestData::sourceBytes(u"data/buttons/"_s + name));
        m_desk->window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_desk->window));

        chooseMenu(u"&Buttons"_s, u"&Ordner Wählen"_s);
        FolderList *folders = m_desk->folderList();
        const QList<QTreeWidgetItem *> rows = folders->findItems(u"buttons"_s, Qt::MatchExactly | Qt::MatchRecursive);
        QCOMPARE(rows.size(), 1);
        QTest::mouseDClick(folders->viewport(), Qt::LeftButton, {}, folders->visualItemRect(rows.first()).center());
        QCOMPARE(m_desk->state.buttonFolder,
                 QDir::toNativeSeparators(m_desk->folder.filePath(u"buttons"_s)) + QDir::separator());

        chooseMenu(u"&Buttons"_s, u"&Laden"_s);
        FileListWindow *fileList = m_desk->library()->fileList();
        QVERIFY(fileList && QTest::qWaitForWindowExposed(fileList));
        QCOMPARE(fileList->findChild<QListWidget *>(u"FileList"_s)->count(), 74);
        m_desk->acceptFileList();
        QCOMPARE(m_desk->state.buttonFiles.count(), 74);

        m_desk->click(Builder::NextBatch);
        const QList<ClickableImage *> images = m_desk->buttonArea()->findChildren<ClickableImage *>();
        QCOMPARE(std::count_if(images.cbegin(), images.cend(), [](QWidget *image) { return image->isVisible(); }), 25);
        QCOMPARE(m_desk->child<QLabel>(u"lblQDMenu_1"_s)->text(), u"Version anzeigen"_s); // about.gif's
    }

    void composeSaveAndOpen()
    {
        QTest::mouseClick(m_desk->titleField(), Qt::LeftButton);
        QTest::keyClicks(m_desk->titleField(), u"Optionen"_s);
        m_desk->click(Builder::BlockLine);
        m_desk->click(Builder::PageHeader);
        for (const QString &command :
             {u"navigate_to"_s, u"show_map"_s, u"plan_via"_s, u"add_favorite"_s, u"set_volume"_s, u"page"_s})
            clickButton(command);
        m_desk->click(Builder::PageHeader);
        clickButton(u"switch_nightview"_s);
        clickButton(u"set_language"_s);
        m_desk->click(Builder::FirstPageItem);
        QCOMPARE(m_desk->state.recordList.entries(), TestData::WorkedExample);

        m_desk->dialogs.chooseFile(m_desk->folder.filePath(u"Optionen.mnu"_s));
        chooseMenu(u"&Datei"_s, u"&Speichern"_s);
        QCOMPARE(m_desk->folder.read(u"Optionen.mnu"_s), TestData::WorkedExample.join(u"\r\n"_s).toLatin1() + "\r\n");

        m_desk->dialogs.answer(UserDialogs::Answer::Yes); // "Menü wirklich Löschen?"
        m_desk->click(Builder::ClearMenu);
        QVERIFY(m_desk->state.recordList.isEmpty());
        m_desk->dialogs.answer(UserDialogs::Answer::No); // the emptied list is not saved
        m_desk->dialogs.chooseFile(m_desk->folder.filePath(u"Optionen.mnu"_s));
        chooseMenu(u"&Datei"_s, u"&Öffnen"_s);
        QCOMPARE(m_desk->state.recordList.entries(), TestData::WorkedExample);
        QVERIFY(m_desk->dialogs.allAnswersUsed());
        QCOMPARE(m_desk->dialogs.unexpected, 0);
    }

    void previewTurnsThePages()
    {
        m_desk->click(Builder::ShowMenu);
        PreviewWindow *preview = m_desk->preview()->previewWindow();
        QVERIFY(preview && QTest::qWaitForWindowExposed(preview));
        const QLabel *title = preview->findChild<QLabel *>(u"lblMenu"_s);
        QCOMPARE(title->text(), u"Optionen 1"_s);
        QTest::mouseClick(preview->findChild<ClickableImage *>(u"imgMen_5"_s), Qt::LeftButton);
        QCOMPARE(title->text(), u"Optionen 2"_s);
    }

    void dragAndUndoWithTheMouse()
    {
        m_desk->preview()->previewWindow()->close();
        QListView *view = m_desk->child<EntryListBox>(u"cboQDMenu_0"_s)->listView();
        view->scrollToTop();
        const auto upperHalf = [&](int row) {
            return view->visualRect(m_desk->state.recordList.index(row)).topLeft() + QPoint(6, 2);
        };
        ClickableImage *about = shownButton(u"about"_s);
        QVERIFY(about);
        dragWithMouse(about, about->rect().center(), view->viewport(), upperHalf(1));
        QStringList expected = TestData::WorkedExample;
        expected.insert(1, u"MENUITEM|TASK_ABOUT|"_s);
        QCOMPARE(m_desk->state.recordList.entries(), expected);

        // The new record dragged down below the page header.
        dragWithMouse(view->viewport(), upperHalf(1), view->viewport(), upperHalf(3));
        expected.move(1, 2);
        QCOMPARE(m_desk->state.recordList.entries(), expected);
        QCOMPARE(m_desk->child<EntryListBox>(u"cboQDMenu_0"_s)->text(), u"MENUITEM|TASK_ABOUT|"_s);

        chooseMenu(u"B&earbeiten"_s, u"&Rückgängig: Eintrag verschieben"_s);
        chooseMenu(u"B&earbeiten"_s, u"&Rückgängig: Button about einfügen"_s);
        QCOMPARE(m_desk->state.recordList.entries(), TestData::WorkedExample);
        // Back at the opened file: "&Ende" asks nothing.
        QVERIFY(!m_desk->recordHistory()->differs());
    }

    void endClosesTheWindow()
    {
        chooseMenu(u"&Datei"_s, u"&Ende"_s);
        QVERIFY(!m_desk->window.isVisible());
        QCOMPARE(QDir::currentPath(), m_desk->folder.path());
        QCOMPARE(m_desk->dialogs.unexpected, 0);
    }
};

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
