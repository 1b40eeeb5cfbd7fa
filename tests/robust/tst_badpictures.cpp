// Broken, foreign and absurd button pictures: each shows the template
// picture, in the loader and the button field (the preview loads the same
// way), without a crash and without allocating what a header merely claims.

#include "common/ButtonPicture.h"
#include "Desk.h"
#include "GifBytes.h"
#include "library/GifStructure.h"

#include <QLabel>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

using namespace Qt::StringLiterals;

namespace {

const QSize ButtonSize(80, 50);

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
        const QByteArray good = GifBytes::filled(ButtonSize, 0xff0000);
        const QList<std::pair<QString, QByteArray>> pictures = {
            {u"empty.gif"_s, QByteArray()},
            {u"cut.gif"_s, good.left(good.size() / 2)},
            {u"no_trailer.gif"_s, good.chopped(1)},
            {u"huge_screen.gif"_s, GifBytes::picture(QSize(65535, 65535), ButtonSize)},
            {u"huge_frame.gif"_s, GifBytes::picture(ButtonSize, QSize(65535, 65535), 100)},
            {u"huge_both.gif"_s, GifBytes::picture(QSize(65535, 65535), QSize(65535, 65535), 100)},
        };
        for (const auto &[name, bytes] : pictures)
            folder.write(name, bytes);
        QImage png(ButtonSize, QImage::Format_RGB32);
        png.fill(Qt::red);
        png.save(folder.filePath(u"png.gif"_s), "PNG");
        QDir(folder.path()).mkpath(u"x.gif"_s);

        const QImage templateImage = ButtonPicture::templatePicture().toImage();
        QVERIFY(!templateImage.isNull());
        const QStringList names = QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        QCOMPARE(names.size(), 8);
        const long before = peakMemoryKilobytes();
        for (const QString &name : names + QStringList{u"gone.gif"_s})
            QVERIFY2(ButtonPicture::load(folder.filePath(name)).toImage() == templateImage, qPrintable(name));
        // A picture of 65535 x 65535 would take 16 GiB; what the loader
        // holds at most is a few megabytes.
        QVERIFY(peakMemoryKilobytes() - before < 64 * 1024);
    }

    void wholeGifLoadsAsItself_data()
    {
        QTest::addColumn<char>("version");
        QTest::newRow("GIF89a") << '9';
        QTest::newRow("GIF87a") << '7';
    }

    void wholeGifLoadsAsItself()
    {
        QFETCH(char, version);
        TestFolder folder;
        QByteArray whole = GifBytes::filled(ButtonSize, 0x00ff00);
        whole[4] = version;
        const QImage loaded = ButtonPicture::load(folder.write(u"good.gif"_s, whole)).toImage();
        QCOMPARE(loaded.size(), ButtonSize);
        QCOMPARE(loaded.pixelColor(40, 25), QColor(Qt::green));
        QVERIFY(GifStructure::inspect(whole).complete);
    }

    void buttonFieldShowsTheTemplate()
    {
        Desk desk;
        const QByteArray good = GifBytes::filled(ButtonSize, 0x0000ff);
        desk.folder.write(u"buttons/cut.gif"_s, good.chopped(1));
        desk.folder.write(u"buttons/good.gif"_s, good);
        desk.state.buttonFolder = desk.folder.filePath(u"buttons"_s) + u'/';
        desk.library()->acceptButtonFiles({u"cut.gif"_s, u"good.gif"_s});
        desk.click(Builder::NextBatch);
        const QLabel *cut = desk.child<QLabel>(u"imgQDMenu_1"_s);
        const QLabel *whole = desk.child<QLabel>(u"imgQDMenu_2"_s);
        QVERIFY(cut && !cut->isHidden() && whole && !whole->isHidden());
        QCOMPARE(cut->pixmap().toImage(), ButtonPicture::templatePicture().toImage());
        QCOMPARE(whole->pixmap().toImage().pixelColor(40, 25), QColor(Qt::blue));
        QVERIFY(desk.dialogs.shown.isEmpty());
    }

    void gifStructureOfWholePictures()
    {
        // An extension before the frame, a second frame, bytes after the trailer.
        QByteArray animated = GifBytes::picture(QSize(80, 50), QSize(10, 20));
        animated.chop(1);
        animated.append(QByteArray("\x21\xf9\x04\x00\x0a\x00\x00\x00", 8));
        animated.append(GifBytes::picture(QSize(1, 1), QSize(30, 5)).mid(13 + 6)); // its frame and trailer
        animated.append("junk");
        const GifStructure::Info two = GifStructure::inspect(animated);
        QVERIFY(two.complete);
        QCOMPARE(two.screen, QSize(80, 50));
        QCOMPARE(two.frames, 2);
        QCOMPARE(two.largestFrame, QSize(30, 20));

        // The header's claims are reported, not believed.
        const GifStructure::Info huge = GifStructure::inspect(GifBytes::picture(QSize(65535, 65535), QSize(1, 1)));
        QVERIFY(huge.complete);
        QCOMPARE(huge.screen, QSize(65535, 65535));
    }

    void gifStructureOfBrokenPictures()
    {
        const QByteArray good = GifBytes::picture(QSize(80, 50), QSize(80, 50));
        // Every cut short of the trailer leaves an incomplete file.
        for (qsizetype length = 0; length < good.size(); ++length)
            QVERIFY2(!GifStructure::inspect(good.left(length)).complete, qPrintable(QString::number(length)));
        QVERIFY(!GifStructure::inspect(good.left(13 + 6) + ';').complete); // no frame
        QByteArray otherSignature = good;
        otherSignature[4] = '8';
        QVERIFY(!GifStructure::inspect(otherSignature).complete);
        QByteArray unknownBlock = good;
        unknownBlock[13 + 6] = 'X';
        QVERIFY(!GifStructure::inspect(unknownBlock).complete);
    }
};

QTEST_MAIN(TestBadPictures)
#include "tst_badpictures.moc"
