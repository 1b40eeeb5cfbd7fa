#include "GifBytes.h"
#include "library/ButtonPicture.h"
#include "preview/PreviewController.h"
#include "preview/PreviewWindow.h"
#include "preview/WindowPlacement.h"
#include "ScriptedDialogs.h"
#include "shell/Fonts.h"
#include "shell/MainWindow.h"
#include "TestFolder.h"
#include "WorkedExample.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Each picture is filled with a red of its own, so a place tells which file it shows.
const QStringList Buttons = {u"add_favorite.gif"_s, u"navigate_to.gif"_s, u"Page.gif"_s,     u"plan_via.gif"_s,
                             u"set_language.gif"_s, u"set_volume.gif"_s,  u"show_map.gif"_s, u"switch_nightview.gif"_s};

// A main window with a button folder of coloured pictures loaded and the
// worked example as its records.
struct Setup
{
    TestFolder folder;
    ScriptedDialogs dialogs;
    MainWindow window{dialogs};
    QString buttonFolder = QDir(folder.path()).absoluteFilePath(u"buttons"_s) + u'/';

    Setup()
    {
        QDir().mkpath(buttonFolder);
        for (int index = 0; index < Buttons.size(); ++index) {
            const quint32 red = quint32(20 * (index + 1)) << 16;
            folder.write(u"buttons/"_s + Buttons.at(index), GifBytes::filled(QSize(80, 50), red));
        }
        ProgramState &state = window.state();
        state.buttonFolder = buttonFolder;
        state.buttonFiles.setEntries(Buttons);
        state.recordList.setEntries(WorkedExample);
        state.vocabulary.setEntries(
            {u"navigate_to              Navigieren zu"_s, u"Page                     Weiter"_s});
    }

    void showPreview() { QTest::mouseClick(window.findChild<QPushButton *>(u"cmdQDButton_9"_s), Qt::LeftButton); }
    PreviewWindow *preview() const { return window.preview()->previewWindow(); }
    QLabel *title() const { return preview()->findChild<QLabel *>(u"lblMenu"_s); }
    QLabel *image(int place) const { return preview()->findChild<QLabel *>(u"imgMen_%1"_s.arg(place)); }
    QString caption(int place) const { return preview()->findChild<QLabel *>(u"lblMen_%1"_s.arg(place))->text(); }
    void click(int place) const { QTest::mouseClick(image(place), Qt::LeftButton); }

    // The files the places show, "template" or "-" for a hidden place.
    QStringList shown() const
    {
        const QImage templateImage = ButtonPicture::templatePicture().toImage();
        QStringList result;
        for (int place = 0; place < 6; ++place) {
            const QLabel *label = image(place);
            const QImage picture = label->pixmap().toImage();
            if (label->isHidden())
                result << u"-"_s;
            else if (picture == templateImage)
                result << u"template"_s;
            else
                result << Buttons.value(picture.pixelColor(5, 5).red() / 20 - 1);
        }
        return result;
    }
};

} // namespace

class TestPreviewWindow : public QObject
{
    Q_OBJECT

private slots:
    void windowAsDrawn()
    {
        Setup setup;
        // Without a page header only the initial title shows.
        setup.window.state().recordList.setEntries({u"x"_s, u"MENUITEM|TASK_SHOW_MAP|"_s});
        setup.showPreview();
        PreviewWindow *preview = setup.preview();
        QVERIFY(preview);
        QCOMPARE(preview->objectName(), u"frmQDMenu"_s);
        QCOMPARE(preview->windowTitle(), u"Quonda Menu"_s);
        QVERIFY(!preview->windowIcon().isNull());
        QVERIFY(!(preview->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(!preview->isModal());
        QCOMPARE(preview->size(), QSize(166, 270));
        QCOMPARE(setup.title()->text(), u"Haupmenü 1 von 6"_s);
        QCOMPARE(setup.title()->geometry(), QRect(0, 0, 165, 25));
        QCOMPARE(setup.title()->font(), Fonts::msSansSerif());
        QCOMPARE(preview->findChild<QFrame *>(u"PicMenu"_s)->geometry(), QRect(0, 24, 165, 247));
        // Two columns, three rows, filled row by row.
        const QPoint first = setup.image(0)->pos();
        QCOMPARE(setup.image(3)->geometry(), QRect(first + QPoint(80, 80), QSize(80, 50)));
        QCOMPARE(setup.image(4)->geometry(), QRect(first + QPoint(0, 160), QSize(80, 50)));
        const QLabel *caption = preview->findChild<QLabel *>(u"lblMen_5"_s);
        QCOMPARE(caption->geometry(), QRect(first + QPoint(80, 210), QSize(80, 30)));
        QCOMPARE(caption->font(), Fonts::sansLight());
        QCOMPARE(setup.shown(), QStringList(6, u"-"_s));

        // The offscreen screen is smaller than the one the place was drawn for.
        const QRect available = preview->screen()->availableGeometry();
        QVERIFY(available.contains(preview->geometry()));
        const QRect drawnPlace(802, 259, 166, 270);
        QCOMPARE(WindowPlacement::keptOnScreen(drawnPlace, {4, 30, 4, 4}, {0, 0, 1280, 800}), drawnPlace);
        QCOMPARE(WindowPlacement::keptOnScreen(drawnPlace, {4, 30, 4, 4}, {0, 0, 800, 500}), QRect(630, 226, 166, 270));
        QCOMPARE(WindowPlacement::keptOnScreen(drawnPlace, {4, 30, 4, 4}, {0, 0, 100, 100}), QRect(4, 30, 166, 270));
    }

    void windowsAreCentredAsTheStyleAlignsThem()
    {
        // Odd sizes and a screen that does not start at 0, 0: the pixel
        // left over must fall where it always did.
        for (const QRect &available : {QRect(0, 0, 1280, 800), QRect(-1279, 31, 1279, 769)}) {
            for (const QSize &size : {QSize(531, 547), QSize(370, 202), QSize(1400, 900)}) {
                QCOMPARE(WindowPlacement::centredOnScreen(size, available),
                         QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, available));
            }
        }
    }

    void pagesThroughTheWorkedExample()
    {
        Setup setup;
        setup.showPreview();
        QCOMPARE(setup.title()->text(), u"Optionen 1"_s);
        QCOMPARE(setup.shown(), (QStringList{u"navigate_to.gif"_s, u"show_map.gif"_s, u"plan_via.gif"_s,
                                             u"add_favorite.gif"_s, u"set_volume.gif"_s, u"Page.gif"_s}));
        QCOMPARE(setup.caption(0), u"Navigieren zu"_s);
        QCOMPARE(setup.caption(1), QString());
        QCOMPARE(setup.caption(5), u"Weiter"_s);
        QCOMPARE(setup.image(5)->toolTip(), u"Page"_s);
        QCOMPARE(setup.preview()->previewPage(), 1);
        // Pictures are read by bare name from the button folder, which stays current.
        QCOMPARE(QDir::current(), QDir(setup.buttonFolder));

        // Only the page button turns the page.
        setup.click(0);
        QCOMPARE(setup.title()->text(), u"Optionen 1"_s);
        setup.click(5);
        QCOMPARE(setup.title()->text(), u"Optionen 2"_s);
        QCOMPARE(setup.shown(), (QStringList{u"switch_nightview.gif"_s, u"set_language.gif"_s, u"Page.gif"_s, u"-"_s,
                                             u"-"_s, u"-"_s}));
        QCOMPARE(setup.caption(0), QString());
        QCOMPARE(setup.caption(5), QString());
        QCOMPARE(setup.preview()->previewPage(), 0);

        setup.click(2);
        QCOMPARE(setup.title()->text(), u"Optionen 1"_s);
        QVERIFY(!setup.shown().contains(u"-"_s));
        QCOMPARE(setup.dialogs.shown.size(), 0);
    }

    void openingClosingAndBuilderAppends()
    {
        Setup setup;
        setup.showPreview();
        setup.click(5);
        PreviewWindow *preview = setup.preview();

        // Shown again: the same window with its page.
        setup.showPreview();
        QCOMPARE(setup.preview(), preview);
        QCOMPARE(setup.title()->text(), u"Optionen 2"_s);

        // The builder's appends leave the page drawn as it is.
        QTest::mouseClick(setup.window.builderButton(4), Qt::LeftButton);
        QTest::mouseClick(setup.window.builderButton(6), Qt::LeftButton);
        QCOMPARE(setup.window.state().recordList.count(), 14);
        QCOMPARE(setup.title()->text(), u"Optionen 2"_s);
        QCOMPARE(setup.shown().mid(2), (QStringList{u"Page.gif"_s, u"-"_s, u"-"_s, u"-"_s}));

        // Closed by the user, opened again: the first page.
        preview->close();
        setup.showPreview();
        QCOMPARE(setup.title()->text(), u"Optionen 1"_s);

        setup.window.preview()->closePreview();
        QVERIFY(!setup.preview());
        setup.window.preview()->closePreview();

        setup.showPreview();
        QVERIFY(setup.preview());
        setup.window.close();
        QVERIFY(!setup.preview());
    }

    void badPicturesAndMissingButtonsStillDraw()
    {
        Setup setup;
        ProgramState &state = setup.window.state();
        setup.folder.write(u"buttons/show_map.gif"_s, "GIF89a broken");
        // No page.gif, and the last file is another command's.
        state.buttonFiles.setEntries({u"show_map.gif"_s, u"plan_via.gif"_s, u"switch_nightview.gif"_s});
        state.recordList.setEntries({u"x"_s, u"MENUPAGE|TASK_PAGE1|A 1|"_s, u"MENUITEM|TASK_SHOW_MAP|"_s,
                                     u"MENUITEM|TASK_UNKNOWN|"_s, u"MENUITEM|TASK_PLAN_VIA|"_s, u"MENUITEM"_s,
                                     u"MENUITEM|TASK_PAGE2|"_s, u"MENUPAGE|TASK_PAGE2|B 2|"_s,
                                     u"MENUITEM|TASK_PLAN_VIA|"_s});
        setup.showPreview();
        QCOMPARE(setup.shown(),
                 (QStringList{u"template"_s, u"template"_s, u"plan_via.gif"_s, u"template"_s, u"template"_s, u"-"_s}));
        // A command without a button file of its own names itself.
        QCOMPARE(setup.caption(1), u"UNKNOWN"_s);
        QCOMPARE(setup.image(1)->toolTip(), u"UNKNOWN"_s);
        QCOMPARE(setup.image(3)->toolTip(), QString());

        // The page turn works without page.gif, and without any button file.
        QCOMPARE(setup.image(4)->toolTip(), u"PAGE"_s);
        state.buttonFiles.clear();
        setup.click(4);
        QCOMPARE(setup.title()->text(), u"B 2"_s);
        QCOMPARE(setup.shown().first(), u"template"_s);
        QCOMPARE(setup.caption(0), u"PLAN_VIA"_s);

        // A button folder that vanished gives template pictures.
        state.recordList.setEntries(WorkedExample);
        state.buttonFiles.setEntries({u"navigate_to.gif"_s, u"Page.gif"_s});
        QVERIFY(QDir(setup.buttonFolder).removeRecursively());
        setup.window.preview()->closePreview();
        setup.showPreview();
        QCOMPARE(setup.shown(), QStringList(6, u"template"_s));
        QCOMPARE(setup.caption(0), u"Navigieren zu"_s);
    }
};

QTEST_MAIN(TestPreviewWindow)
#include "tst_previewwindow.moc"
