#include "common/ButtonPicture.h"
#include "common/ClickableImage.h"
#include "Desk.h"
#include "preview/PageDirectory.h"
#include "preview/PagePainter.h"
#include "preview/PreviewWindow.h"
#include "preview/ShownPage.h"
#include "TestData.h"

#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

QString buttonFolder()
{
    return TestData::sourcePath(u"data/buttons/"_s);
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

// The preview window and the overview draw a page the same way.
class TestPagePainter : public QObject
{
    Q_OBJECT

private slots:
    void thePainterDrawsThePreviewWindowsPages()
    {
        Desk desk;
        desk.state.buttonFolder = buttonFolder();
        desk.state.buttonFiles.setEntries(QDir(buttonFolder()).entryList({u"*.gif"_s}, QDir::Files, QDir::Name));
        desk.state.vocabulary.setEntries(TestData::vocabulary());
        desk.state.recordList.setEntries(TestData::WorkedExample);
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
        desk.state.buttonFolder = buttonFolder();
        desk.state.buttonFiles.setEntries(QDir(buttonFolder()).entryList({u"*.gif"_s}, QDir::Files, QDir::Name));
        desk.state.recordList.setEntries(TestData::WorkedExample);
        const QImage expected = QImage(buttonFolder() + file).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(expected.size(), QSize(80, 50));
        QCOMPARE(PagePainter::pictureRect(place), QRect(topLeft, QSize(80, 50)));
        QCOMPARE(painted(desk.state, 0).copy(QRect(topLeft, QSize(80, 50))), expected);
    }

    void aLargerPainterDrawsALargerPage()
    {
        ShownPage page;
        page.title = u"Optionen 1"_s;
        page.places.at(3) = {true, ButtonPicture::templatePicture(), u"Weiter"_s, u"page"_s};
        QImage image(PagePainter::DeviceSize * 2, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::red);
        QPainter painter(&image);
        painter.scale(2, 2);
        PagePainter::paint(painter, page);
        painter.end();
        const QImage picture = ButtonPicture::templatePicture().toImage().convertToFormat(image.format());
        // Place 3 begins at (81, 105); at twice the size each pixel is four.
        QCOMPARE(image.pixelColor(2 * 81 + 10, 2 * 105 + 10), picture.pixelColor(5, 5));
        QCOMPARE(image.pixelColor(331, 539), QGuiApplication::palette().color(QPalette::Window));
    }
};

QTEST_MAIN(TestPagePainter)
#include "tst_pagepainter.moc"
