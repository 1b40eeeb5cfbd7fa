#include "common/ButtonPicture.h"
#include "Desk.h"
#include "GifBytes.h"
#include "preview/PreviewController.h"
#include "preview/PreviewWindow.h"

#include <QLabel>

using namespace Qt::StringLiterals;

// The preview window over a button folder that lacks most pictures; the
// worked example on a real X server pages through a whole one.
class TestPreviewWindow : public QObject
{
    Q_OBJECT

private slots:
    void missingButtonsDrawAndThePageStillTurns()
    {
        Desk desk;
        desk.folder.write(u"buttons/plan_via.gif"_s, GifBytes::filled(QSize(80, 50), 0xff0000));
        desk.state.buttonFolder = desk.folder.filePath(u"buttons"_s) + u'/';
        // No page.gif, and the last file is another command's.
        desk.state.buttonFiles.setEntries({u"plan_via.gif"_s, u"switch_nightview.gif"_s});
        desk.state.recordList.setEntries({u"x"_s, u"MENUPAGE|TASK_PAGE1|A 1|"_s, u"MENUITEM|TASK_UNKNOWN|"_s,
                                          u"MENUITEM|TASK_PLAN_VIA|"_s, u"MENUITEM|TASK_PAGE2|"_s,
                                          u"MENUPAGE|TASK_PAGE2|B 2|"_s, u"MENUITEM|TASK_PLAN_VIA|"_s,
                                          u"MENUITEM|TASK_PAGE1|"_s});
        desk.click(Builder::ShowMenu);
        PreviewWindow *preview = desk.preview()->previewWindow();
        const auto image = [&](int place) { return preview->findChild<QLabel *>(u"imgMen_%1"_s.arg(place)); };
        const auto title = [&] { return preview->findChild<QLabel *>(u"lblMenu"_s)->text(); };
        const auto caption = [&](int place) { return preview->findChild<QLabel *>(u"lblMen_%1"_s.arg(place))->text(); };
        const QImage templateImage = ButtonPicture::templatePicture().toImage();
        QCOMPARE(image(0)->pixmap().toImage(), templateImage);
        QCOMPARE(image(0)->toolTip(), u"UNKNOWN"_s);
        QCOMPARE(image(1)->pixmap().toImage().pixelColor(5, 5), QColor(Qt::red));
        QCOMPARE(image(2)->pixmap().toImage(), templateImage);
        QVERIFY(image(2)->isVisible() && !image(3)->isVisible());
        QCOMPARE(caption(2), u"PAGE"_s);
        // Pictures are read by bare name from the button folder, which stays current.
        QCOMPARE(QDir::current(), QDir(desk.state.buttonFolder));

        // The page turns without page.gif; shown again, the same window keeps its page.
        QTest::mouseClick(image(2), Qt::LeftButton);
        QCOMPARE(title(), u"B 2"_s);
        QCOMPARE(image(0)->toolTip(), u"plan_via"_s); // named after its file
        QVERIFY(image(1)->isVisible() && !image(2)->isVisible());
        QCOMPARE(caption(2), QString()); // no caption stays behind from page 1
        desk.click(Builder::ShowMenu);
        QCOMPARE(desk.preview()->previewWindow(), preview);
        QCOMPARE(title(), u"B 2"_s);
        // Nor does it need any button file.
        desk.state.buttonFiles.clear();
        QTest::mouseClick(image(1), Qt::LeftButton);
        QCOMPARE(title(), u"A 1"_s);

        QCOMPARE(desk.dialogs.shown.size(), 0);
        desk.window.close();
        QVERIFY(!desk.preview()->previewWindow());
    }
};

QTEST_MAIN(TestPreviewWindow)
#include "tst_previewwindow.moc"
