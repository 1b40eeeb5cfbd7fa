#include "files/EntryFile.h"
#include "files/EntryFileFormat.h"
#include "files/Windows1252Codec.h"
#include "TestData.h"
#include "TestFolder.h"

#include <QTest>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;
using Status = EntryFile::Status;

// Menu and vocabulary files: the code page, the bytes we write, what we read.
class TestMenuFiles : public QObject
{
    Q_OBJECT

private slots:
    void writesExactlyTheGoldenBytesAndReadsThemBack()
    {
        // The worked example, then what a hand-edited menu may hold.
        const QStringList entries = TestData::WorkedExample + QStringList{u"MENUPAGE|TASK_PAGE3|Karte, Route 3|"_s,
                                                                          u"\"in Anführung\", danach"_s,
                                                                          u"   drei Blanks vorn"_s,
                                                                          QString(),
                                                                          u"Größe: 5 €, „Zitat“ – Ende…"_s,
                                                                          u"Blanks hinten   "_s,
                                                                          u"\tTab|ÄÖÜß|"_s,
                                                                          QString()};
        const QByteArray bytes = TestData::sourceBytes(u"tests/files/golden/awkward.mnu"_s);
        QVERIFY(!bytes.isEmpty());
        QCOMPARE(EntryFileFormat::encode(entries).bytes, bytes);
        QCOMPARE(EntryFileFormat::entries(bytes), entries);

        // Every byte of the code page comes back unchanged.
        QByteArray all;
        for (int byte = 0; byte < 256; ++byte)
            all.append(char(byte));
        const QString text = Windows1252Codec::decode(all);
        QCOMPARE(text.at(0x80), QChar(0x20AC));
        QCOMPARE(text.at(0x81), QChar(0x0081)); // undefined in the code page
        QByteArray back("<");
        QVERIFY(Windows1252Codec::appendEncoded(text, back));
        QCOMPARE(back, "<" + all);
        QVERIFY(!Windows1252Codec::appendEncoded(u"\u0080"_s, back)); // 0x80 stands for the euro sign
    }

    void readsLinesWhole_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("nothing") << QByteArray() << QStringList();
        QTest::newRow("one empty line") << QByteArray("\r\n") << QStringList{QString()};
        QTest::newRow("no final line end") << QByteArray("a\r\nb") << QStringList{u"a"_s, u"b"_s};
        QTest::newRow("LF alone") << QByteArray("a\n\nb\n") << QStringList{u"a"_s, QString(), u"b"_s};
        QTest::newRow("CR inside stays") << QByteArray("a\rb\r\r\n") << QStringList{u"a\rb\r"_s};
        QTest::newRow("UTF-8") << QByteArray("Gr\xc3\xb6\xc3\x9f\x65\n") << QStringList{u"Größe"_s};
        QTest::newRow("UTF-8 with mark") << QByteArray("\xef\xbb\xbf\xe2\x82\xac\r\n") << QStringList{u"€"_s};
        QTest::newRow("Windows-1252") << QByteArray("Gr\xf6\xdf\x65 \x80\r\n") << QStringList{u"Größe €"_s};
        QTest::newRow("mostly UTF-8, one stray byte") << QByteArray("\xc3\xa4 \xe4\r\n") << QStringList{u"Ã¤ ä"_s};
        QTest::newRow("overlong UTF-8") << QByteArray("\xc0\x80") << QStringList{u"À€"_s};
        QTest::newRow("UTF-8 surrogate") << QByteArray("\xed\xa0\x80") << QStringList{u"í\u00a0€"_s};
        QTest::newRow("our own title that is UTF-8 too") << QByteArray("Gru\xdf\x85\r\n") << QStringList{u"Gruß…"_s};
        QTest::newRow("UTF-8 beyond the code page")
            << QByteArray("\xc5\x81\xc3\xb3\x64\xc5\xba\r\n") << QStringList{u"Å\u0081Ã³dÅº"_s};
        QTest::newRow("UTF-8 beyond the code page, with mark")
            << QByteArray("\xef\xbb\xbf\xc5\x81\xc3\xb3\x64\xc5\xba\r\n") << QStringList{u"Łódź"_s};
    }

    void readsLinesWhole()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, entries);
        QCOMPARE(EntryFileFormat::entries(bytes), entries);
    }

    // Two bytes that are a UTF-8 character and at the same time two
    // printable characters of the code page (its five undefined bytes are
    // no text): UTF-8 only where the code page holds that character too.
    void twoBytesThatAreUtf8AndWindows1252_data()
    {
        // The code page from 0x80 on, as its table has it.
        const QString upper = u"€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ"
                              u"\u00A0¡¢£¤¥¦§¨©ª«¬\u00AD®¯°±²³´µ¶·¸¹º»¼½¾¿"
                              u"ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖ×ØÙÚÛÜÝÞß"
                              u"àáâãäåæçèéêëìíîïðñòóôõö÷øùúûüýþÿ"_s;
        QCOMPARE(upper.size(), 128);
        // Two-byte UTF-8 characters that the code page holds: U+00A0 to
        // U+00FF, and these ten of 0x80 to 0x9F.
        const QString alsoInCodePage = u"ŒœŠšŸŽžƒˆ˜"_s;
        const QList<int> undefined = {0x81, 0x8D, 0x8F, 0x90, 0x9D};

        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        for (int lead = 0xC2; lead <= 0xDF; ++lead) {
            for (int trail = 0x80; trail <= 0xBF; ++trail) {
                if (undefined.contains(trail))
                    continue;
                const QChar utf8(((lead & 0x1F) << 6) | (trail & 0x3F));
                const bool held = (utf8.unicode() >= 0xA0 && utf8.unicode() <= 0xFF) || alsoInCodePage.contains(utf8);
                const QString text = held ? QString(utf8) : upper.mid(lead - 0x80, 1) + upper.at(trail - 0x80);
                const QByteArray bytes = QByteArray(1, char(lead)) + char(trail);
                QTest::addRow("%s %s", held ? "UTF-8" : "Windows-1252", bytes.toHex(' ').constData()) << bytes << text;
            }
        }
    }

    void twoBytesThatAreUtf8AndWindows1252()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(EntryFileFormat::entries(bytes), QStringList{text});
    }

    void namesTheFirstEntryThatCannotBeWritten()
    {
        QCOMPARE(EntryFileFormat::encode({u"ok"_s, u"Łódź"_s, u"ő"_s}).unsavableEntry, 1);
        QCOMPARE(EntryFileFormat::encode({u"a😀"_s}).unsavableCharacter, u"😀"_s);
        QCOMPARE(EntryFileFormat::encode({u"MENUITEM|TASK_Ł|"_s}).unsavableCharacter, u"Ł"_s);
        // A line break is named even when a character the code page lacks comes first.
        const EntryFileFormat::Encoded lineBreak = EntryFileFormat::encode({u"a"_s, u"MENUPAGE|Ł Titel\n1|"_s});
        QVERIFY(!lineBreak.ok() && lineBreak.bytes.isEmpty());
        QCOMPARE(lineBreak.unsavableEntry, 1);
        QCOMPARE(lineBreak.unsavableCharacter, u"\n"_s);
    }

    void utf16BehindItsMark_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Status>("status");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("pair of surrogates")
            << QByteArray("\xFF\xFE\x3D\xD8\x00\xDE\n\0", 8) << Status::Ok << QStringList{u"😀"_s};
        QTest::newRow("lone surrogate") << QByteArray("\xFE\xFF\xD8\x3D\0a", 6) << Status::NotUtf16 << QStringList();
        QTest::newRow("odd length") << QByteArray("\xFF\xFE"
                                                  "a\0b",
                                                  5)
                                    << Status::NotUtf16 << QStringList();
        QTest::newRow("null character") << QByteArray("\xFF\xFE"
                                                      "a\0\0\0",
                                                      6)
                                        << Status::NotText << QStringList();
        QTest::newRow("nothing behind the mark") << QByteArray("\xFE\xFF") << Status::Ok << QStringList();
    }

    void utf16BehindItsMark()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Status, status);
        QFETCH(QStringList, entries);
        TestFolder folder;
        const EntryFile::ReadResult read = EntryFile::read(folder.write(u"utf16.dat"_s, bytes));
        QCOMPARE(read.status, status);
        QCOMPARE(read.entries, entries);
    }

    void filesOnDisk()
    {
        TestFolder folder;
        QVERIFY(EntryFile::write(folder.filePath(u"-rf mit Blanks.mnu"_s), "a\r\n\r\nb\r\n"));
        QCOMPARE(EntryFile::read(u"-rf mit Blanks.mnu"_s).entries, (QStringList{u"a"_s, QString(), u"b"_s}));
        const QByteArray longLine(1024 * 1024, 'x');
        QCOMPARE(EntryFile::read(folder.write(u"line.mnu"_s, longLine + "\r\n")).entries.value(0).size(),
                 longLine.size());

        // A null byte makes no text file: it was once read as a menu cut short.
        QCOMPARE(EntryFile::read(folder.write(u"nul.mnu"_s, QByteArray("MENU\0ITEM", 9))).status, Status::NotText);
        QFile big(folder.filePath(u"big.mnu"_s));
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(50 * 1000 * 1000));
        big.close();
        QCOMPARE(EntryFile::read(big.fileName()).status, Status::TooLarge);
        QCOMPARE(EntryFile::read(folder.filePath(u"vanished.mnu"_s)).status, Status::CannotRead);
        QCOMPARE(EntryFile::read(folder.path()).status, Status::NotAFile);
#ifdef Q_OS_UNIX
        if (geteuid() != 0) { // permissions do not hold for root
            const QString path = folder.write(u"secret.mnu"_s, "a\r\n");
            QFile::setPermissions(path, QFileDevice::WriteOwner);
            QCOMPARE(EntryFile::read(path).status, Status::CannotRead);
        }
#endif
    }
};

QTEST_GUILESS_MAIN(TestMenuFiles)
#include "tst_menufiles.moc"
