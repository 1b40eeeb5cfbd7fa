#include "files/EntryFileFormat.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray golden()
{
    QFile file(qEnvironmentVariable("TASTWERK_SOURCE_DIR") + u"/tests/files/golden/awkward.mnu"_s);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestEntryFileFormat : public QObject
{
    Q_OBJECT

private slots:
    void writesExactlyTheGoldenBytesAndReadsThemBack()
    {
        const QStringList entries{
            u"MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|"_s,
            u"MENUPAGE|TASK_PAGE1|Optionen 1|"_s,
            u"MENUITEM|TASK_NAVIGATE_TO|"_s,
            u"MENUITEM|TASK_SHOW_MAP|"_s,
            u"MENUITEM|TASK_PLAN_VIA|"_s,
            u"MENUITEM|TASK_ADD_FAVORITE|"_s,
            u"MENUITEM|TASK_SET_VOLUME|"_s,
            u"MENUITEM|TASK_PAGE2|"_s,
            u"MENUPAGE|TASK_PAGE2|Optionen 2|"_s,
            u"MENUITEM|TASK_SWITCH_NIGHTVIEW|"_s,
            u"MENUITEM|TASK_SET_LANGUAGE|"_s,
            u"MENUITEM|TASK_PAGE1|"_s,
            u"MENUPAGE|TASK_PAGE3|Karte, Route 3|"_s,
            u"\"in Anführung\", danach"_s,
            u"   drei Blanks vorn"_s,
            QString(),
            u"Größe: 5 €, „Zitat“ – Ende…"_s,
            u"Blanks hinten   "_s,
            u"\tTab|ÄÖÜß|"_s,
            QString(),
        };
        const QByteArray bytes = golden();
        QVERIFY(!bytes.isEmpty());
        const EntryFileFormat::Encoded encoded = EntryFileFormat::encode(entries);
        QVERIFY(encoded.ok());
        QCOMPARE(encoded.bytes, bytes);
        QCOMPARE(EntryFileFormat::entries(bytes), entries);
    }

    void readsLinesWhole_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("nothing") << QByteArray() << QStringList();
        QTest::newRow("one empty line") << QByteArray("\r\n") << QStringList{QString()};
        QTest::newRow("final CR LF adds nothing") << QByteArray("a\r\nb\r\n") << QStringList{u"a"_s, u"b"_s};
        QTest::newRow("no final line end") << QByteArray("a\r\nb") << QStringList{u"a"_s, u"b"_s};
        QTest::newRow("LF alone") << QByteArray("a\n\nb\n") << QStringList{u"a"_s, QString(), u"b"_s};
        QTest::newRow("CR inside stays") << QByteArray("a\rb\r\r\n") << QStringList{u"a\rb\r"_s};
        QTest::newRow("UTF-8") << QByteArray("Gr\xc3\xb6\xc3\x9f\x65\n") << QStringList{u"Größe"_s};
        QTest::newRow("UTF-8 with mark") << QByteArray("\xef\xbb\xbf\xe2\x82\xac\r\n") << QStringList{u"€"_s};
        QTest::newRow("Windows-1252") << QByteArray("Gr\xf6\xdf\x65 \x80\r\n") << QStringList{u"Größe €"_s};
        QTest::newRow("mostly UTF-8, one stray byte") << QByteArray("\xc3\xa4 \xe4\r\n") << QStringList{u"Ã¤ ä"_s};
    }

    void readsLinesWhole()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, entries);
        QCOMPARE(EntryFileFormat::entries(bytes), entries);
    }

    void strictUtf8()
    {
        QVERIFY(EntryFileFormat::isValidUtf8("plain ASCII, long enough for whole words"));
        QVERIFY(EntryFileFormat::isValidUtf8("\xf0\x9f\x98\x80"));
        QVERIFY(!EntryFileFormat::isValidUtf8("\xc0\x80"));         // overlong
        QVERIFY(!EntryFileFormat::isValidUtf8("\xed\xa0\x80"));     // surrogate
        QVERIFY(!EntryFileFormat::isValidUtf8("\xf4\x90\x80\x80")); // beyond U+10FFFF
        QVERIFY(!EntryFileFormat::isValidUtf8("ab\xc3"));           // cut off
    }

    void namesTheFirstEntryThatCannotBeWritten()
    {
        const EntryFileFormat::Encoded badCharacter = EntryFileFormat::encode({u"ok"_s, u"Łódź"_s, u"ő"_s});
        QVERIFY(!badCharacter.ok());
        QCOMPARE(badCharacter.unsavableEntry, 1);
        QCOMPARE(badCharacter.unsavableCharacter, u"Ł"_s);
        QVERIFY(badCharacter.bytes.isEmpty());

        const EntryFileFormat::Encoded emoji = EntryFileFormat::encode({u"a😀"_s});
        QCOMPARE(emoji.unsavableCharacter, u"😀"_s);
        const EntryFileFormat::Encoded lineBreak = EntryFileFormat::encode({u"a"_s, u"b"_s, u"c\nd"_s});
        QCOMPARE(lineBreak.unsavableEntry, 2);
        QCOMPARE(lineBreak.unsavableCharacter, u"\n"_s);

        // Behind a run of plain letters; a line break is named even when a
        // character the code page lacks comes first.
        QCOMPARE(EntryFileFormat::encode({u"MENUITEM|TASK_Ł|"_s}).unsavableCharacter, u"Ł"_s);
        QCOMPARE(EntryFileFormat::encode({u"MENUITEM|TASK_A\n|"_s}).unsavableCharacter, u"\n"_s);
        QCOMPARE(EntryFileFormat::encode({u"MENUPAGE|Ł Titel\n1|"_s}).unsavableCharacter, u"\n"_s);
    }
};

QTEST_APPLESS_MAIN(TestEntryFileFormat)
#include "tst_entryfileformat.moc"
