#include "FileBytes.h"
#include "files/EntryFile.h"
#include "files/EntryFileFormat.h"
#include "files/Windows1252Codec.h"
#include "TestData.h"
#include "TestFolder.h"

#include <QRandomGenerator>
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
    }

    // Unicode's table of the code page, written out: a round trip alone
    // passes a table that is wrong both ways.
    void codePage_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QByteArray ascii;
        QByteArray upper;
        for (int byte = 0; byte < 0x80; ++byte) {
            ascii.append(char(byte));
            upper.append(char(byte + 0x80));
        }
        QTest::newRow("ASCII") << ascii << QString::fromLatin1(ascii);
        QTest::newRow("0x80 to 0x9F") << upper.left(32)
                                      << u"\u20AC\u0081\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0160\u2039"
                                         u"\u0152\u008D\u017D\u008F\u0090\u2018\u2019\u201C\u201D\u2022\u2013\u2014"
                                         u"\u02DC\u2122\u0161\u203A\u0153\u009D\u017E\u0178"_s;
        QTest::newRow("0xA0 to 0xFF as Latin-1") << upper.mid(32) << QString::fromLatin1(upper.mid(32));
    }

    void codePage()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(Windows1252Codec::decode(bytes), text);
        QByteArray encoded;
        QVERIFY(Windows1252Codec::appendEncoded(text, encoded));
        QCOMPARE(encoded, bytes);
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
        QTest::newRow("two-byte character ends the file")
            << QByteArray("a\r\nb\xc3\xb6") << QStringList{u"a"_s, u"bö"_s};
        QTest::newRow("three-byte character ends the file") << QByteArray("\xe2\x82\xac") << QStringList{u"€"_s};
        // Beyond the code page, UTF-8 only behind its mark.
        QTest::newRow("four-byte character ends the file")
            << QByteArray("\xef\xbb\xbfx\xf0\x9f\x98\x80") << QStringList{u"x😀"_s};
        QTest::newRow("UTF-8 cut short at the end") << QByteArray("\xe2\x82") << QStringList{u"â‚"_s};
        QTest::newRow("UTF-8 with mark") << QByteArray("\xef\xbb\xbf\xe2\x82\xac\r\n") << QStringList{u"€"_s};
        // Once every umlaut behind a mark became a replacement character.
        QTest::newRow("mark before Windows-1252")
            << QByteArray("\xEF\xBB\xBFGr\xF6\xDF\x65\r\nN\xE4\x63hste\r\n") << QStringList{u"Größe"_s, u"Nächste"_s};
        QTest::newRow("mark before a stray byte") << QByteArray("\xEF\xBB\xBF\xBF") << QStringList{u"¿"_s};
        QTest::newRow("second mark is text")
            << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx\r\n") << QStringList{u"\uFEFFx"_s};
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

    // Random lists of any Unicode but the line break and the null character,
    // as another program writes them, open as they were; they are written
    // back only where the code page holds every character.
    void utf8FromOtherProgramsReadsBackIdentical()
    {
        // Every character of the code page that an entry can hold.
        QByteArray codePageBytes;
        for (int byte = 1; byte < 256; ++byte)
            codePageBytes.append(byte == '\n' ? 'x' : char(byte));
        const QString codePage = Windows1252Codec::decode(codePageBytes);

        QRandomGenerator random(8);
        for (int round = 0; round < 2000; ++round) {
            QStringList list(random.bounded(1, 10));
            for (QString &entry : list) {
                for (const int length = random.bounded(20); entry.size() < length;) {
                    const char32_t code =
                        random.bounded(8) == 0 ? random.bounded(0x10000u, 0x110000u) : random.bounded(1u, 0x10000u);
                    if (code != u'\n' && (code < 0xD800 || code > 0xDFFF))
                        entry.append(QString::fromUcs4(&code, 1));
                }
            }
            // A line that starts like a byte order mark (U+FEFF) is one.
            if (list.constFirst().startsWith(QChar(0xFEFF)))
                list.first().remove(0, 1);
            const bool holdable = std::all_of(list.cbegin(), list.cend(), [&codePage](const QString &entry) {
                return std::all_of(entry.cbegin(), entry.cend(), [&codePage](QChar c) { return codePage.contains(c); });
            });

            // With or without a mark (with one where a character lies beyond
            // the code page, which without it reads as the code page), lines
            // ending in CR LF or LF alone (then no entry may end in CR).
            QByteArray bytes = !holdable || random.bounded(2) ? QByteArray(FileBytes::ByteOrderMark) : QByteArray();
            const bool crlf = random.bounded(2);
            for (QString &entry : list) {
                if (!crlf && entry.endsWith(u'\r'))
                    entry.append(u'.');
                bytes += entry.toUtf8() + (crlf ? "\r\n" : "\n");
            }
            QCOMPARE(EntryFileFormat::entries(bytes), list);

            const EntryFileFormat::Encoded written = EntryFileFormat::encode(list);
            QCOMPARE(written.ok(), holdable);
            if (holdable && FileBytes::readsBackAsWritten(written.bytes))
                QCOMPARE(EntryFileFormat::entries(written.bytes), list);
        }
    }

    void namesTheFirstEntryThatCannotBeWritten()
    {
        QCOMPARE(EntryFileFormat::encode({u"ok"_s, u"Łódź"_s, u"ő"_s}).unsavableEntry, 1);
        QCOMPARE(EntryFileFormat::encode({u"a😀"_s}).unsavableCharacter, u"😀"_s);
        QCOMPARE(EntryFileFormat::encode({u"MENUITEM|TASK_Ł|"_s}).unsavableCharacter, u"Ł"_s);
        QCOMPARE(EntryFileFormat::encode({u"\u0080"_s}).unsavableCharacter, u"\u0080"_s); // 0x80 is the euro sign
        // A saved null character once made a file the reader refused as not text.
        const EntryFileFormat::Encoded null = EntryFileFormat::encode({u"a"_s, u"MENUITEM|TASK_A\0B|"_s});
        QVERIFY(!null.ok() && null.bytes.isEmpty());
        QCOMPARE(null.unsavableEntry, 1);
        QCOMPARE(null.unsavableCharacter, QString(QChar(u'\0')));
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
        QTest::newRow("little-endian") << QByteArray::fromHex(
            "fffe 6100 6200 6f00 7500 7400 2000 dc00 0d00 0a00 ac20 0d00 0a00")
                                       << Status::Ok << QStringList{u"about Ü"_s, u"€"_s};
        QTest::newRow("big-endian") << QByteArray::fromHex(
            "feff 0061 0062 006f 0075 0074 0020 00dc 000d 000a 20ac 000d 000a")
                                    << Status::Ok << QStringList{u"about Ü"_s, u"€"_s};
        QTest::newRow("pair of surrogates")
            << QByteArray::fromHex("fffe 3dd8 00de 0a00") << Status::Ok << QStringList{u"😀"_s};
        QTest::newRow("lone surrogate") << QByteArray::fromHex("feff d83d 0061") << Status::NotUtf16 << QStringList();
        QTest::newRow("odd length") << QByteArray::fromHex("fffe 6100 62") << Status::NotUtf16 << QStringList();
        QTest::newRow("null character") << QByteArray::fromHex("fffe 6100 0000") << Status::NotText << QStringList();
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
