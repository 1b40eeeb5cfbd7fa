#include "files/Windows1252Codec.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestWindows1252Codec : public QObject
{
    Q_OBJECT

private slots:
    void everyByteComesBackUnchanged()
    {
        QByteArray all;
        for (int byte = 0; byte < 256; ++byte)
            all.append(char(byte));
        const QString text = Windows1252Codec::decode(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(text.at(0x80), QChar(0x20AC));
        QCOMPARE(text.at(0x84), QChar(0x201E));
        QCOMPARE(text.at(0x9F), QChar(0x0178));
        QCOMPARE(text.at(0xE4), QChar(u'ä'));
        QCOMPARE(text.at(0x81), QChar(0x0081)); // undefined in the code page
        QByteArray back;
        QVERIFY(Windows1252Codec::appendEncoded(text, back));
        QCOMPARE(back, all);

        QByteArray out("<");
        QVERIFY(!Windows1252Codec::appendEncoded(u"ab\u0080"_s, out)); // 0x80 stands for the euro sign
        QCOMPARE(out, "<ab");
    }
};

QTEST_APPLESS_MAIN(TestWindows1252Codec)
#include "tst_windows1252codec.moc"
