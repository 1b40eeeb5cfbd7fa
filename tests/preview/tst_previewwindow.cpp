#include "common/ButtonPicture.h"
#include "Desk.h"
#include "GifBytes.h"
#include "preview/PreviewController.h"
#include "preview/PreviewWindow.h"

#include <QLabel>

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

    void shownAgainTheWindowKeepsItsPage()
    {
        PreviewDesk desk;
        QTest::mouseClick(desk.image(2), Qt::LeftButton);
        desk.click(Builder::ShowMenu);
        QCOMPARE(desk.preview()->previewWindow(), desk.shown);
        QCOMPARE(desk.title(), u"B 2"_s);
    }

    void closesWithTheMainWindow()
    {
        PreviewDesk desk;
        desk.window.close();
        QVERIFY(!desk.preview()->previewWindow());
    }
};

QTEST_MAIN(TestPreviewWindow)
#include "tst_previewwindow.moc"
