#include "common/ButtonPicture.h"
#include "common/ClickableImage.h"
#include "common/WindowPlacement.h"
#include "Desk.h"
#include "GifBytes.h"
#include "preview/PageDirectory.h"
#include "preview/PagePainter.h"
#include "preview/PreviewController.h"
#include "preview/PreviewWindow.h"
#include "preview/ShownPage.h"
#include "TestData.h"

#include <QLabel>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

// The preview of a two-page menu over a button folder that holds only
// plan_via.gif: no page.gif, and the last file is another command's.
struct PreviewDesk : Desk
{
    PreviewWindow *shown = nullptr;

    PreviewDesk()
    {
        folder.write(u"buttons/plan_via.gif"_s, GifBytes::filled(QSize(80, 50), 0xff0000));
        state.buttonFolder = folder.filePath(u"buttons"_s) + u'/';
        state.buttonFiles.setEntries({u"plan_via.gif"_s, u"switch_nightview.gif"_s});
        state.recordList.setEntries({u"x"_s, u"MENUPAGE|TASK_PAGE1|A 1|"_s, u"MENUITEM|TASK_UNKNOWN|"_s,
                                     u"MENUITEM|TASK_PLAN_VIA|"_s, u"MENUITEM|TASK_PAGE2|"_s,
                                     u"MENUPAGE|TASK_PAGE2|B 2|"_s, u"MENUITEM|TASK_PLAN_VIA|"_s,
                                     u"MENUITEM|TASK_PAGE1|"_s});
        click(Builder::ShowMenu);
        shown = preview()->previewWindow();
    }
    QLabel *label(const QString &name) const { return shown->findChild<QLabel *>(name); }
    QLabel *image(int place) const { return label(u"imgMen_%1"_s.arg(place)); }
    QString caption(int place) const { return label(u"lblMen_%1"_s.arg(place))->text(); }
    QString title() const { return label(u"lblMenu"_s)->text(); }
};

QString buttonFolder()
{
    return TestData::sourcePath(u"data/buttons/"_s);
}

// The worked example over our button set.
void showWorkedExample(Desk &desk)
{
    desk.state.buttonFolder = buttonFolder();
    desk.state.buttonFiles.setEntries(QDir(buttonFolder()).entryList({u"*.gif"_s}, QDir::Files, QDir::Name));
    desk.state.recordList.setEntries(TestData::WorkedExample);
}

// The page as the painter draws it from the records alone, at scale 1.
QImage painted(const ProgramState &state, int index)
{
    ShownPage page;
    page.apply(PageDirectory(state.recordList.entries())
                   .render(index, state.recordList.entries(), state.buttonFiles.entries(), state.vocabulary.entries()),
               [](const std::optional<QString> &file) {
                   return file ? ButtonPicture::load(buttonFolder() + *file) : ButtonPicture::templatePicture();
               });
    QImage image(PagePainter::DeviceSize, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    PagePainter::paint(painter, page);
    return image;
}

QImage grabbed(QWidget *window)
{
    return window->grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

class TestPreviewWindow : public QObject
{
    Q_OBJECT

private slots:
    void missingPicturesShowTheTemplate()
    {
        PreviewDesk desk;
        const QImage templateImage = ButtonPicture::templatePicture().toImage();
        QCOMPARE(desk.image(0)->pixmap().toImage(), templateImage);
        QCOMPARE(desk.image(0)->toolTip(), u"UNKNOWN"_s);
        QCOMPARE(desk.image(1)->pixmap().toImage().pixelColor(5, 5), QColor(Qt::red));
        QCOMPARE(desk.image(2)->pixmap().toImage(), templateImage);
        QVERIFY(desk.image(2)->isVisible() && !desk.image(3)->isVisible());
        QCOMPARE(desk.caption(2), u"PAGE"_s);
        // Pictures are read by bare name from the button folder, which stays current.
        QCOMPARE(QDir::current(), QDir(desk.state.buttonFolder));
        QCOMPARE(desk.dialogs.shown.size(), 0);
    }

    void pageTurnsWithoutPageGif()
    {
        PreviewDesk desk;
        QTest::mouseClick(desk.image(1), Qt::LeftButton); // only a page turn turns the page
        QCOMPARE(desk.title(), u"A 1"_s);
        QTest::mouseClick(desk.image(2), Qt::LeftButton);
        QCOMPARE(desk.title(), u"B 2"_s);
        QCOMPARE(desk.image(0)->toolTip(), u"plan_via"_s); // named after its file
        QVERIFY(desk.image(1)->isVisible() && !desk.image(2)->isVisible());
        QCOMPARE(desk.caption(2), QString()); // no caption stays behind from page 1
        // Nor does it need any button file.
        desk.state.buttonFiles.clear();
        QTest::mouseClick(desk.image(1), Qt::LeftButton);
        QCOMPARE(desk.title(), u"A 1"_s);
    }

    // Shown again, the open window keeps its page; closed by the user and
    // shown again, it starts on the first.
    void shownAgainTheWindowKeepsItsPageUntilClosed()
    {
        PreviewDesk desk;
        QTest::mouseClick(desk.image(2), Qt::LeftButton);
        desk.click(Builder::ShowMenu);
        QCOMPARE(desk.preview()->previewWindow(), desk.shown);
        QCOMPARE(desk.title(), u"B 2"_s);
        desk.shown->close();
        desk.click(Builder::ShowMenu);
        desk.shown = desk.preview()->previewWindow();
        QCOMPARE(desk.title(), u"A 1"_s);
    }

    void closesWithTheMainWindow()
    {
        PreviewDesk desk;
        desk.window.close();
        QVERIFY(!desk.preview()->previewWindow());
    }

    // The preview window and the overview draw a page the same way.
    void thePainterDrawsThePreviewWindowsPages()
    {
        Desk desk;
        showWorkedExample(desk);
        desk.state.vocabulary.setEntries(TestData::vocabulary());
        desk.click(Builder::ShowMenu);
        PreviewWindow *preview = desk.preview()->previewWindow();
        QVERIFY(QTest::qWaitForWindowExposed(preview));
        QCOMPARE(grabbed(preview).size(), QSize(166, 270));
        QCOMPARE(grabbed(preview), painted(desk.state, 0));
        QTest::mouseClick(preview->findChild<ClickableImage *>(u"imgMen_5"_s), Qt::LeftButton);
        QCOMPARE(grabbed(preview), painted(desk.state, 1));
    }

    // Each picture lies where the device shows it: two columns of 80, rows
    // 80 apart, inside a one-pixel frame that begins 24 pixels down.
    void picturesLieInTheirPlaces_data()
    {
        QTest::addColumn<int>("place");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QPoint>("topLeft");
        QTest::newRow("top left") << 0 << u"navigate_to.gif"_s << QPoint(1, 25);
        QTest::newRow("top right") << 1 << u"show_map.gif"_s << QPoint(81, 25);
        QTest::newRow("middle left") << 2 << u"plan_via.gif"_s << QPoint(1, 105);
        QTest::newRow("bottom right") << 5 << u"page.gif"_s << QPoint(81, 185);
    }

    void picturesLieInTheirPlaces()
    {
        QFETCH(int, place);
        QFETCH(QString, file);
        QFETCH(QPoint, topLeft);
        Desk desk;
        showWorkedExample(desk);
        const QImage expected = QImage(buttonFolder() + file).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(expected.size(), QSize(80, 50));
        QCOMPARE(PagePainter::pictureRect(place), QRect(topLeft, QSize(80, 50)));
        QCOMPARE(painted(desk.state, 0).copy(QRect(topLeft, QSize(80, 50))), expected);
    }

    void windowsStayOnTheScreen()
    {
        // Kept on a smaller screen than the one the place was drawn for.
        const QRect drawnPlace(802, 259, 166, 270);
        const QMargins frame(4, 30, 4, 4);
        QCOMPARE(WindowPlacement::keptOnScreen(drawnPlace, frame, {0, 0, 1280, 800}), drawnPlace);
        QCOMPARE(WindowPlacement::keptOnScreen(drawnPlace, frame, {0, 0, 800, 500}), QRect(630, 226, 166, 270));
        QCOMPARE(WindowPlacement::keptOnScreen(drawnPlace, frame, {0, 0, 100, 100}), QRect(4, 30, 166, 270));
        // Centred as the widget style centres: each half rounded down on its own.
        const QRect available(-1279, 31, 1279, 769);
        QCOMPARE(WindowPlacement::centredOnScreen({531, 547}, available), QRect(-905, 142, 531, 547));
        QCOMPARE(WindowPlacement::centredOnScreen({1400, 900}, available), QRect(-1340, -35, 1400, 900));
    }
};

QTEST_MAIN(TestPreviewWindow)
#include "tst_previewwindow.moc"
