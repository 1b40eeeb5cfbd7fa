// Broken, foreign and absurd button pictures: each shows the template
// picture, in the loader and the button field (the preview loads the same
// way), without a crash and without allocating what a header merely claims.

#include "common/ButtonPicture.h"
#include "Desk.h"
#include "GifBytes.h"

#include <QLabel>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

using namespace Qt::StringLiterals;

namespace {

const QSize ButtonSize(80, 50);

// Writes the bad pictures into `subfolder` and returns their names; x.gif is a folder.
QStringList writeBadPictures(const TestFolder &folder, const QString &subfolder)
{
    const QByteArray good = GifBytes::filled(ButtonSize, 0xff0000);
    const QList<std::pair<QString, QByteArray>> pictures = {
        {u"empty.gif"_s, QByteArray()},
        {u"cut.gif"_s, good.left(good.size() / 2)},
        {u"no_trailer.gif"_s, good.chopped(1)},
        {u"huge_screen.gif"_s, GifBytes::picture(QSize(65535, 65535), ButtonSize)},
        {u"huge_frame.gif"_s, GifBytes::picture(ButtonSize, QSize(65535, 65535), 100)},
        {u"huge_both.gif"_s, GifBytes::picture(QSize(65535, 65535), QSize(65535, 65535), 100)},
    };
    QStringList names;
    for (const auto &[name, bytes] : pictures) {
        folder.write(subfolder + name, bytes);
        names << name;
    }
    QImage png(ButtonSize, QImage::Format_RGB32);
    png.fill(Qt::red);
    png.save(folder.filePath(subfolder + u"png.gif"_s), "PNG");
    QDir(folder.path()).mkpath(subfolder + u"x.gif"_s);
    return names << u"png.gif"_s << u"x.gif"_s;
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
        const QStringList names = writeBadPictures(folder, {}) << u"gone.gif"_s;
        const long before = peakMemoryKilobytes();
        for (const QString &name : names)
            QVERIFY2(ButtonPicture::load(folder.filePath(name)).toImage() == templateImage, qPrintable(name));
        // A picture of 65535 x 65535 would take 16 GiB; what the loader
        // holds at most is a few megabytes.
        QVERIFY(peakMemoryKilobytes() - before < 64 * 1024);

        // A whole GIF still loads as itself, of either version.
        QByteArray whole = GifBytes::filled(ButtonSize, 0x00ff00);
        for (const char version : {'9', '7'}) {
            whole[4] = version;
            const QImage loaded = ButtonPicture::load(folder.write(u"good.gif"_s, whole)).toImage();
            QCOMPARE(loaded.size(), ButtonSize);
            QCOMPARE(loaded.pixelColor(40, 25), QColor(Qt::green));
        }
    }

    void buttonFieldShowsTheTemplate()
    {
        Desk desk;
        const QStringList names = writeBadPictures(desk.folder, u"buttons/"_s) << u"good.gif"_s;
        desk.folder.write(u"buttons/good.gif"_s, GifBytes::filled(ButtonSize, 0x0000ff));
        desk.state.buttonFolder = desk.folder.filePath(u"buttons"_s) + u'/';
        desk.library()->acceptButtonFiles(names);
        desk.click(Builder::NextBatch);
        const QImage templateImage = ButtonPicture::templatePicture().toImage();
        for (int member = 1; member <= names.size(); ++member) {
            const QLabel *image = desk.child<QLabel>(u"imgQDMenu_%1"_s.arg(member));
            QVERIFY(image && !image->isHidden());
            const QImage shown = image->pixmap().toImage();
            if (names.at(member - 1) == u"good.gif")
                QCOMPARE(shown.pixelColor(40, 25), QColor(Qt::blue));
            else
                QVERIFY2(shown == templateImage, qPrintable(names.at(member - 1)));
        }
        QVERIFY(desk.dialogs.shown.isEmpty());
    }
};

QTEST_MAIN(TestBadPictures)
#include "tst_badpictures.moc"
