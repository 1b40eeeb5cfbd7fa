// Broken, foreign and absurd button pictures: each shows the template
// picture, in the loader and in the preview, without a crash and without
// allocating what a header merely claims.

#include "GifBytes.h"
#include "library/ButtonPicture.h"
#include "library/LibraryController.h"
#include "model/MenuRecords.h"
#include "preview/PreviewController.h"
#include "preview/PreviewWindow.h"
#include "ScriptedDialogs.h"
#include "shell/MainWindow.h"
#include "TestFolder.h"

#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

using namespace Qt::StringLiterals;

namespace {

const QSize ButtonSize(80, 50);

QByteArray pngBytes()
{
    QImage image(ButtonSize, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// The bad pictures by file name; x.gif is a folder.
QList<std::pair<QString, QByteArray>> badPictures()
{
    const QByteArray good = GifBytes::filled(ButtonSize, 0xff0000);
    return {
        {u"empty.gif"_s, QByteArray()},
        {u"cut.gif"_s, good.left(good.size() / 2)},
        {u"no_trailer.gif"_s, good.chopped(1)},
        {u"huge_screen.gif"_s, GifBytes::picture(QSize(65535, 65535), ButtonSize)},
        {u"huge_frame.gif"_s, GifBytes::picture(ButtonSize, QSize(65535, 65535), 100)},
        {u"huge_both.gif"_s, GifBytes::picture(QSize(65535, 65535), QSize(65535, 65535), 100)},
        {u"png.gif"_s, pngBytes()},
    };
}

QStringList writeBadPictures(const TestFolder &folder, const QString &subfolder)
{
    QStringList names;
    for (const auto &[name, bytes] : badPictures()) {
        folder.write(subfolder + name, bytes);
        names << name;
    }
    QDir(folder.path()).mkpath(subfolder + u"x.gif"_s);
    names << u"x.gif"_s;
    return names;
}

long peakMemoryKilobytes()
{
#ifdef Q_OS_UNIX
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
#else
    return 0;
#endif
}

} // namespace

class TestBadPictures : public QObject
{
    Q_OBJECT

private slots:
    void loaderFallsBackToTheTemplate()
    {
        TestFolder folder;
        const QImage templateImage = ButtonPicture::templatePicture().toImage();
        QVERIFY(!templateImage.isNull());

        const long before = peakMemoryKilobytes();
        for (const QString &name : writeBadPictures(folder, {})) {
            const QPixmap picture = ButtonPicture::load(folder.filePath(name));
            QVERIFY2(picture.toImage() == templateImage, qPrintable(name));
        }
        // A picture of 65535 x 65535 would take 16 GiB; what the loader
        // holds at most is a few megabytes.
        QVERIFY(peakMemoryKilobytes() - before < 64 * 1024);
        QVERIFY(ButtonPicture::load(folder.filePath(u"gone.gif"_s)).toImage() == templateImage);

        // A whole GIF still loads as itself.
        const QString good = folder.write(u"good.gif"_s, GifBytes::filled(ButtonSize, 0x00ff00));
        const QImage loaded = ButtonPicture::load(good).toImage();
        QCOMPARE(loaded.size(), ButtonSize);
        QCOMPARE(loaded.pixelColor(40, 25), QColor(Qt::green));
    }

    void buttonFieldShowsTheTemplate()
    {
        TestFolder folder;
        ScriptedDialogs dialogs;
        MainWindow window(dialogs);
        QStringList names = writeBadPictures(folder, u"buttons/"_s);
        folder.write(u"buttons/good.gif"_s, GifBytes::filled(ButtonSize, 0x0000ff));
        names << u"good.gif"_s;
        window.state().buttonFolder = folder.filePath(u"buttons"_s) + u'/';
        window.library()->acceptButtonFiles(names);
        QTest::mouseClick(window.findChild<QPushButton *>(u"cmdQDButton_2"_s), Qt::LeftButton);

        const QImage templateImage = ButtonPicture::templatePicture().toImage();
        for (int member = 1; member <= names.size(); ++member) {
            const QLabel *image = window.findChild<QLabel *>(u"imgQDMenu_%1"_s.arg(member));
            QVERIFY(image && !image->isHidden());
            const QImage shown = image->pixmap().toImage();
            if (names.at(member - 1) == u"good.gif")
                QCOMPARE(shown.pixelColor(40, 25), QColor(Qt::blue));
            else
                QVERIFY2(shown == templateImage, qPrintable(names.at(member - 1)));
        }
        QVERIFY(dialogs.shown.isEmpty());
    }

    void previewShowsTheTemplate()
    {
        TestFolder folder;
        ScriptedDialogs dialogs;
        MainWindow window(dialogs);
        const QStringList names = writeBadPictures(folder, u"buttons/"_s);
        ProgramState &state = window.state();
        state.buttonFolder = folder.filePath(u"buttons"_s) + u'/';
        state.buttonFiles.setEntries(names);
        const QImage templateImage = ButtonPicture::templatePicture().toImage();

        // Six places a page: the first six pictures, then the rest.
        for (const QStringList &page : {names.mid(0, 6), names.mid(6)}) {
            QStringList records = {MenuRecords::blockLine(), MenuRecords::pageHeader(u"1"_s, u"Kaputt"_s)};
            for (const QString &name : page)
                records << MenuRecords::itemForButton(QString(name).chopped(4), u"2"_s);
            state.recordList.setEntries(records);
            QTest::mouseClick(window.findChild<QPushButton *>(u"cmdQDButton_9"_s), Qt::LeftButton);

            const PreviewWindow *preview = window.preview()->previewWindow();
            QVERIFY(preview);
            for (int place = 0; place < page.size(); ++place) {
                const QLabel *image = preview->findChild<QLabel *>(u"imgMen_%1"_s.arg(place));
                QVERIFY(image && !image->isHidden());
                QVERIFY2(image->pixmap().toImage() == templateImage, qPrintable(page.at(place)));
                QCOMPARE(image->toolTip(), QString(page.at(place)).chopped(4));
            }
            window.preview()->closePreview();
        }
        QVERIFY(dialogs.shown.isEmpty());
    }
};

QTEST_MAIN(TestBadPictures)
#include "tst_badpictures.moc"
