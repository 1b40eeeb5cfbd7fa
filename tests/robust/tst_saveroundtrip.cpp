// Whatever list the file can hold comes back from a save and an open
// exactly as it was: random lists from a fixed seed, through the real save
// and open procedures and a real file.

#include "FileBytes.h"
#include "files/FileTexts.h"
#include "files/OpenProcedure.h"
#include "files/SaveProcedure.h"
#include "files/Windows1252Codec.h"
#include "ScriptedDialogs.h"
#include "TestFolder.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Every character of the code page that an entry can hold: all but the
// line break and the null character.
QString windows1252Characters()
{
    QByteArray bytes;
    for (int byte = 1; byte < 256; ++byte) {
        if (byte != '\n')
            bytes.append(char(byte));
    }
    return Windows1252Codec::decode(bytes);
}

// Half the lists are mostly ASCII, as menus are; the other half draw from
// the whole code page.
QStringList randomList(QRandomGenerator &random, const QString &characters)
{
    static const QString plain = u"MENUITEM|TASK_PAGE 0123456789 abc,\"\r"_s;
    const bool mostlyPlain = random.bounded(2) == 0;
    QStringList list;
    const int count = random.bounded(13);
    for (int entry = 0; entry < count; ++entry) {
        QString text;
        const int length = random.bounded(41);
        for (int i = 0; i < length; ++i) {
            const bool special = !mostlyPlain || random.bounded(10) == 0;
            const QString &from = special ? characters : plain;
            text.append(from.at(random.bounded(int(from.size()))));
        }
        list << text;
    }
    return list;
}

// Any Unicode scalar value but the line break and the null character,
// as UTF-16 (pairs for those beyond the first plane).
QString randomUnicode(QRandomGenerator &random, int length)
{
    QString text;
    while (text.size() < length) {
        char32_t code = random.bounded(8) == 0 ? random.bounded(0x10000u, 0x110000u) : random.bounded(1u, 0x10000u);
        if (code == u'\n' || (code >= 0xD800 && code <= 0xDFFF))
            continue;
        text.append(QString::fromUcs4(&code, 1));
    }
    return text;
}

// Thousands of saves, each ending in a flush to disk: on a memory file
// system where the machine has one, so that the flushes cost nothing.
QString scratchTemplate()
{
    const QFileInfo memory(u"/dev/shm"_s);
    const QString parent = memory.isDir() && memory.isWritable() ? memory.filePath() : QDir::tempPath();
    return parent + u"/tst_saveroundtrip-XXXXXX"_s;
}

struct Files
{
    TestFolder folder{scratchTemplate()};
    ScriptedDialogs dialogs;
    QString path = folder.filePath(u"menu.mnu"_s);

    SaveProcedure::Outcome save(const QStringList &entries)
    {
        dialogs.chooseFile(path);
        if (QFileInfo::exists(path))
            dialogs.answer(UserDialogs::Answer::Yes);
        return SaveProcedure(dialogs).run({entries, true, FileTexts::menuFilter(), {}});
    }

    std::optional<QStringList> open()
    {
        dialogs.chooseFile(path);
        return OpenProcedure(dialogs).run({}).entries;
    }
};

} // namespace

class TestSaveRoundTrip : public QObject
{
    Q_OBJECT

private slots:
    void windows1252ListsComeBackIdentical()
    {
        Files files;
        QRandomGenerator random(1252);
        const QString characters = windows1252Characters();
        int ambiguous = 0;
        for (int round = 0; round < 3000; ++round) {
            const QStringList list = randomList(random, characters);
            if (!FileBytes::readsBackAsWritten(EntryFileFormat::encode(list).bytes)) {
                ++ambiguous;
                continue;
            }
            QCOMPARE(files.save(list), SaveProcedure::Outcome::Saved);
            const std::optional<QStringList> opened = files.open();
            QVERIFY(opened);
            QCOMPARE(*opened, list);
        }
        QVERIFY(files.dialogs.messages().filter(FileTexts::writeError()).isEmpty());
        // Looking like UTF-8 is the rare exception, not what was tested.
        QVERIFY2(ambiguous < 100, qPrintable(QString::number(ambiguous)));
    }

    void utf8InputComesBackIdentical()
    {
        Files files;
        QRandomGenerator random(8);
        for (int round = 0; round < 2000; ++round) {
            QStringList list;
            const int count = random.bounded(1, 10);
            for (int entry = 0; entry < count; ++entry)
                list << randomUnicode(random, random.bounded(20));
            // A line that starts like a byte order mark (U+FEFF) is one.
            if (list.constFirst().startsWith(QChar(0xFEFF)))
                list.first().remove(0, 1);

            // As another program writes it: with or without a mark, lines
            // ending in CR LF or LF alone (then no entry may end in CR).
            QByteArray bytes = random.bounded(2) ? QByteArray(FileBytes::ByteOrderMark) : QByteArray();
            const bool crlf = random.bounded(2);
            for (QString &entry : list) {
                if (!crlf && entry.endsWith(u'\r'))
                    entry.append(u'.');
                bytes += entry.toUtf8() + (crlf ? "\r\n" : "\n");
            }
            files.folder.write(u"menu.mnu"_s, bytes);
            const std::optional<QStringList> opened = files.open();
            QVERIFY(opened);
            QCOMPARE(*opened, list);

            // On to the code page: saved and opened again where it holds
            // every character, refused and left alone where it does not.
            const bool holdable = std::all_of(list.cbegin(), list.cend(), [](const QString &entry) {
                QByteArray scratch;
                return Windows1252Codec::appendEncoded(entry, scratch);
            });
            if (!holdable) {
                const SaveProcedure::Outcome outcome =
                    SaveProcedure(files.dialogs).run({list, true, FileTexts::menuFilter(), {}});
                QCOMPARE(outcome, SaveProcedure::Outcome::Refused);
                QCOMPARE(files.folder.read(u"menu.mnu"_s), bytes);
                continue;
            }
            const SaveProcedure::Outcome outcome = files.save(list);
            QCOMPARE(outcome, SaveProcedure::Outcome::Saved);
            if (FileBytes::readsBackAsWritten(files.folder.read(u"menu.mnu"_s)))
                QCOMPARE(*files.open(), list);
        }
    }

    // The one text that does not come back: code page characters whose bytes
    // happen to be UTF-8 are read as UTF-8.
    void textThatLooksLikeUtf8()
    {
        Files files;
        QCOMPARE(files.save({u"Ã¤"_s}), SaveProcedure::Outcome::Saved);
        QCOMPARE(*files.open(), QStringList{u"ä"_s});
        // One umlaut of its own anywhere in the file settles it.
        QCOMPARE(files.save({u"Ã¤"_s, u"Straße"_s}), SaveProcedure::Outcome::Saved);
        QCOMPARE(*files.open(), (QStringList{u"Ã¤"_s, u"Straße"_s}));
    }
};

QTEST_GUILESS_MAIN(TestSaveRoundTrip)
#include "tst_saveroundtrip.moc"
