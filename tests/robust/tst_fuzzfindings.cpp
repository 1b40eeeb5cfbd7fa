// What the fuzz harnesses found, kept as plain tests so the normal suite
// guards every fix.

#include "files/EntryFileFormat.h"
#include "files/FileTexts.h"
#include "model/MenuRecords.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestFuzzFindings : public QObject
{
    Q_OBJECT

private slots:
    // A folder may hold a thousand buttons and more; from button 1000 on the
    // number in the tooltip has four digits.
    void tooltipsOfFourDigitButtons_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("button 1") << 1 << u"001 navigate_to"_s;
        QTest::newRow("button 999") << 999 << u"999 navigate_to"_s;
        QTest::newRow("button 1000") << 1000 << u"1000 navigate_to"_s;
        QTest::newRow("button 32767") << 32767 << u"32767 navigate_to"_s;
    }
    void tooltipsOfFourDigitButtons()
    {
        QFETCH(int, number);
        QFETCH(QString, tooltip);
        QCOMPARE(MenuRecords::buttonTooltip(number, u"navigate_to"_s), tooltip);
    }

    // A byte order mark in front of bytes that are no UTF-8 turned every
    // umlaut into a replacement character, which then could not be saved.
    void byteOrderMarkBeforeWindows1252()
    {
        QCOMPARE(EntryFileFormat::entries("\xEF\xBB\xBFGr\xF6\xDF"
                                          "e\r\nN\xE4"
                                          "chste Seite\r\n"),
                 (QStringList{u"Größe"_s, u"Nächste Seite"_s}));
        QCOMPARE(EntryFileFormat::entries("\xEF\xBB\xBF\xBF"), QStringList{u"¿"_s});
        // Behind the mark, a second one is text and stays.
        QCOMPARE(EntryFileFormat::entries("\xEF\xBB\xBF\xEF\xBB\xBFx\r\n"), QStringList{u"\uFEFFx"_s});
    }

    // A null character was written into the file, and the reader then
    // refused the file as not being text: saved, but never opened again.
    void nullCharacterIsNotSaved()
    {
        const QStringList entries = {u"MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|"_s, u"MENUITEM|TASK_A\0B|"_s};
        const EntryFileFormat::Encoded encoded = EntryFileFormat::encode(entries);
        QVERIFY(!encoded.ok());
        QCOMPARE(encoded.unsavableEntry, 1);
        QCOMPARE(encoded.unsavableCharacter, QString(QChar(u'\0')));
        QVERIFY(encoded.bytes.isEmpty());
        QVERIFY(FileTexts::unsavableEntry(2, entries.at(1), encoded.unsavableCharacter).contains(u"U+0000"_s));
    }
};

QTEST_GUILESS_MAIN(TestFuzzFindings)
#include "tst_fuzzfindings.moc"
