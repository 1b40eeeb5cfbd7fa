#include "Desk.h"
#include "GifBytes.h"
#include "library/ButtonPicture.h"
#include "preview/PreviewController.h"
#include "preview/PreviewWindow.h"
#include "preview/WindowPlacement.h"
#include "TestData.h"

#include <QLabel>
#include <QStyle>

using namespace Qt::StringLiterals;

namespace {

// Each picture is filled with a red of its own, so a place tells which file it shows.
const QStringList Buttons = {u"add_favorite.gif"_s, u"navigate_to.gif"_s, u"Page.gif"_s,     u"plan_via.gif"_s,
                             u"set_language.gif"_s, u"set_volume.gif"_s,  u"show_map.gif"_s, u"switch_nightview.gif"_s};

// A main window with a button folder of coloured pictures loaded and the
// worked example as its records.
struct PreviewDesk : Desk
{
    QString buttonFolder = QDir(folder.path()).absoluteFilePath(u"buttons"_s) + u'/';

    PreviewDesk()
    {
        for (int index = 0; index < Buttons.size(); ++index)
            folder.write(u"buttons/"_s + Buttons.at(index),
                         GifBytes::filled(QSize(80, 50), quint32(20 * (index + 1)) << 16));
        state.buttonFolder = buttonFolder;
        state.buttonFiles.setEntries(Buttons);
        state.recordList.setEntries(TestData::WorkedExample);
        state.vocabulary.setEntries({TestData::vocabularyLine(u"Page"_s, u"Weiter"_s)});
    }

    PreviewWindow *preview() const { return window.preview()->previewWindow(); }
    QString title() const { return preview()->findChild<QLabel *>(u"lblMenu"_s)->text(); }
    QLabel *image(int place) const { return preview()->findChild<QLabel *>(u"imgMen_%1"_s.arg(place)); }
    QString caption(int place) const { return preview()->findChild<QLabel *>(u"lblMen_%1"_s.arg(place))->text(); }
    void click(int place) const { QTest::mouseClick(image(place), Qt::LeftButton); }

    // The files the places show, "template" or "-" for a hidden place.
    QStringList shown() const
    {
        const QImage templateImage = ButtonPicture::templatePicture().toImage();
        QStringList result;
        for (int place = 0; place < 6; ++place) {
            const QImage picture = image(place)->pixmap().toImage();
            if (image(place)->isHidden())
                result << u"-"_s;
            else
                result << (picture == templateImage ? u"template"_s
                                                    : Buttons.value(picture.pixelColor(5, 5).red() / 20 - 1));
        }
        return result;
    }
};

} // namespace

class TestPreviewWindow : public QObject
{
    Q_OBJECT

private slots:
    void placedOnTheScreen()
    {
        // Kept on a smaller screen than the one the place was drawn for.
        const QRect drawnPlace(802, 259, 166, 270);
        const QMargins frame(4, 30, 4, 4);
        QCOMPARE(WindowPlacement::keptOnScreen(drawnPlace, frame, {0, 0, 1280, 800}), drawnPlace);
        QCOMPARE(WindowPlacement::keptOnScreen(drawnPlace, frame, {0, 0, 800, 500}), QRect(630, 226, 166, 270));
        QCOMPARE(WindowPlacement::keptOnScreen(drawnPlace, frame, {0, 0, 100, 100}), QRect(4, 30, 166, 270));
        // Centred with odd sizes on a screen that does not start at 0, 0: the
        // pixel left over falls where the style puts it.
        const QRect available(-1279, 31, 1279, 769);
        for (const QSize &size : {QSize(531, 547), QSize(1400, 900)}) {
            QCOMPARE(WindowPlacement::centredOnScreen(size, available),
                     QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, available));
        }
    }

    void pagesThroughTheWorkedExample()
    {
        PreviewDesk desk;
        desk.builder(9);
        QCOMPARE(desk.title(), u"Optionen 1"_s);
        QCOMPARE(desk.shown(), (QStringList{u"navigate_to.gif"_s, u"show_map.gif"_s, u"plan_via.gif"_s,
                                            u"add_favorite.gif"_s, u"set_volume.gif"_s, u"Page.gif"_s}));
        QCOMPARE(desk.caption(1), QString());
        QCOMPARE(desk.caption(5), u"Weiter"_s);
        QCOMPARE(desk.image(5)->toolTip(), u"Page"_s);
        // Pictures are read by bare name from the button folder, which stays current.
        QCOMPARE(QDir::current(), QDir(desk.buttonFolder));

        // Only the page button turns the page.
        desk.click(0);
        QCOMPARE(desk.title(), u"Optionen 1"_s);
        desk.click(5);
        QCOMPARE(desk.title(), u"Optionen 2"_s);
        QCOMPARE(desk.shown(), (QStringList{u"switch_nightview.gif"_s, u"set_language.gif"_s, u"Page.gif"_s, u"-"_s,
                                            u"-"_s, u"-"_s}));
        QCOMPARE(desk.caption(5), QString());

        // Shown again: the same window with its page; the builder's appends
        // leave the page drawn as it is.
        PreviewWindow *preview = desk.preview();
        desk.builder(9);
        desk.builder(4);
        QCOMPARE(desk.preview(), preview);
        QCOMPARE(desk.title(), u"Optionen 2"_s);
        desk.click(2);
        QCOMPARE(desk.title(), u"Optionen 1"_s);

        // Closed by the user, opened again: the first page.
        desk.click(5);
        preview->close();
        desk.builder(9);
        QCOMPARE(desk.title(), u"Optionen 1"_s);
        desk.window.preview()->closePreview();
        QVERIFY(!desk.preview());
        desk.builder(9);
        QCOMPARE(desk.dialogs.shown.size(), 0);
        desk.window.close();
        QVERIFY(!desk.preview());
    }

    void missingButtonsStillDraw()
    {
        PreviewDesk desk;
        // No page.gif, and the last file is another command's.
        desk.state.buttonFiles.setEntries({u"show_map.gif"_s, u"plan_via.gif"_s, u"switch_nightview.gif"_s});
        desk.state.recordList.setEntries({u"x"_s, u"MENUPAGE|TASK_PAGE1|A 1|"_s, u"MENUITEM|TASK_UNKNOWN|"_s,
                                          u"MENUITEM|TASK_PLAN_VIA|"_s, u"MENUITEM"_s, u"MENUITEM|TASK_PAGE2|"_s,
                                          u"MENUPAGE|TASK_PAGE2|B 2|"_s, u"MENUITEM|TASK_PLAN_VIA|"_s});
        desk.builder(9);
        QCOMPARE(desk.shown(),
                 (QStringList{u"template"_s, u"plan_via.gif"_s, u"template"_s, u"template"_s, u"-"_s, u"-"_s}));
        // A command without a button file of its own names itself.
        QCOMPARE(desk.caption(0), u"UNKNOWN"_s);
        QCOMPARE(desk.image(0)->toolTip(), u"UNKNOWN"_s);
        QCOMPARE(desk.image(2)->toolTip(), QString());

        // The page turn works without page.gif, and without any button file.
        QCOMPARE(desk.image(3)->toolTip(), u"PAGE"_s);
        desk.state.buttonFiles.clear();
        desk.click(3);
        QCOMPARE(desk.title(), u"B 2"_s);
        QCOMPARE(desk.caption(0), u"PLAN_VIA"_s);
    }
};

QTEST_MAIN(TestPreviewWindow)
#include "tst_previewwindow.moc"
