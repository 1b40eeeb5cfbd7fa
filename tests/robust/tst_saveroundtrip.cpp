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
const QString CodePage = [] {
    QByteArray bytes;
    for (int byte = 1; byte < 256; ++byte)
        bytes.append(byte == '\n' ? 'x' : char(byte));
    return Windows1252Codec::decode(bytes);
}();

// Half the lists are mostly ASCII, as menus are; the other half draw from
// the whole code page.
QStringList randomList(QRandomGenerator &random)
{
    static const QString plain = u"MENUITEM|TASK_PAGE 0123456789 abc,\"\r"_s;
    const bool mostlyPlain = random.bounded(2) == 0;
    QStringList list(random.bounded(13));
    for (QString &text : list) {
        for (int length = random.bounded(41); text.size() < length;) {
            const QString &from = !mostlyPlain || random.bounded(10) == 0 ? CodePage : plain;
            text.append(from.at(random.bounded(int(from.size()))));
        }
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
        if (code != u'\n' && (code < 0xD800 || code > 0xDFFF))
            text.append(QString::fromUcs4(&code, 1));
    }
    return text;
}

struct Files
{
    // Thousands of saves, each ending in a flush to disk: on a memory file
    // system where the machine has one, so that the flushes cost nothing.
    TestFolder folder{(QFileInfo(u"/dev/shm"_s).isWritable() ? u"/dev/shm"_s : QDir::tempPath())
                      + u"/tst_saveroundtrip-XXXXXX"_s};
    ScriptedDialogs dialogs;
    QString path = folder.filePath(u"menu.mnu"_s);

    SaveProcedure::Outcome save(const QStringList &entries)
    {
        dialogs.chooseFile(path);
        if (QFileInfo::exists(path))
            dialogs.answer(UserDialogs::Answer::Yes);
        return SaveProcedure(dialogs).run({entries, true, FileTexts::menuFilter(), {}});
    }

    QStringList open()
    {
        dialogs.chooseFile(path);
        return OpenProcedure(dialogs).run({}).entries.value_or(QStringList{u"(not opened)"_s});
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
        int ambiguous = 0;
        for (int round = 0; round < 3000; ++round) {
            const QStringList list = randomList(random);
            QCOMPARE(files.save(list), SaveProcedure::Outcome::Saved);
            // Code page text whose bytes happen to be UTF-8 reads back as UTF-8.
            if (!FileBytes::readsBackAsWritten(files.folder.read(u"menu.mnu"_s))) {
                ++ambiguous;
                continue;
            }
            QCOMPARE(files.open(), list);
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
            QStringList list(random.bounded(1, 10));
            for (QString &entry : list)
                entry = randomUnicode(random, random.bounded(20));
            // A line that starts like a byte order mark (U+FEFF) is one.
            if (list.constFirst().startsWith(QChar(0xFEFF)))
                list.first().remove(0, 1);

            const bool holdable = std::all_of(list.cbegin(), list.cend(), [](const QString &entry) {
                return std::all_of(entry.cbegin(), entry.cend(), [](QChar c) { return CodePage.contains(c); });
            });

            // As another program writes it: with or without a mark (with one
            // where a character lies beyond the code page, which without it
            // reads as the code page), lines ending in CR LF or LF alone (then
            // no entry may end in CR).
            QByteArray bytes = !holdable || random.bounded(2) ? QByteArray(FileBytes::ByteOrderMark) : QByteArray();
            const bool crlf = random.bounded(2);
            for (QString &entry : list) {
                if (!crlf && entry.endsWith(u'\r'))
                    entry.append(u'.');
                bytes += entry.toUtf8() + (crlf ? "\r\n" : "\n");
            }
            files.folder.write(u"menu.mnu"_s, bytes);
            QCOMPARE(files.open(), list);

            // On to the code page: saved and opened again where it holds
            // every character, refused and left alone where it does not.
            if (!holdable) {
                QCOMPARE(SaveProcedure(files.dialogs).run({list, true, FileTexts::menuFilter(), {}}),
                         SaveProcedure::Outcome::Refused);
                QCOMPARE(files.folder.read(u"menu.mnu"_s), bytes);
                continue;
            }
            QCOMPARE(files.save(list), SaveProcedure::Outcome::Saved);
            if (FileBytes::readsBackAsWritten(files.folder.read(u"menu.mnu"_s)))
                QCOMPARE(files.open(), list);
        }
    }
};

QTEST_GUILESS_MAIN(TestSaveRoundTrip)
#include "tst_saveroundtrip.moc"
