#include "GifBytes.h"
#include "library/GifStructure.h"

#include <QTest>

class TestGifStructure : public QObject
{
    Q_OBJECT

private slots:
    void wholePictures()
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

    void brokenPictures()
    {
        const QByteArray good = GifBytes::picture(QSize(80, 50), QSize(80, 50));
        // Every cut short of the trailer leaves an incomplete file.
        for (qsizetype length = 0; length < good.size(); ++length)
            QVERIFY2(!GifStructure::inspect(good.left(length)).complete, qPrintable(QString::number(length)));
        QVERIFY(!GifStructure::inspect(good.left(13 + 6) + ';').complete); // no frame

        QByteArray older = good;
        older[4] = '7';
        QVERIFY(GifStructure::inspect(older).complete); // GIF87a is whole too
        QByteArray otherSignature = good;
        otherSignature[4] = '8';
        QVERIFY(!GifStructure::inspect(otherSignature).complete);
        QByteArray unknownBlock = good;
        unknownBlock[13 + 6] = 'X';
        QVERIFY(!GifStructure::inspect(unknownBlock).complete);
    }
};

QTEST_GUILESS_MAIN(TestGifStructure)
#include "tst_gifstructure.moc"
