// What the menu checker finds: one row per kind of mistake, each in a
// minimal menu that has exactly that mistake; how it reads pages; and what
// "--check" prints.

#include "check/CheckCommand.h"
#include "check/MenuCheck.h"
#include "check/MenuPages.h"
#include "library/ButtonFileNames.h"
#include "model/RecordFields.h"
#include "preview/PreviewRenderer.h"
#include "TestData.h"
#include "TestFolder.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString Block = u"MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|"_s;
const QString Start = u"MENUPAGE|TASK_PAGE1|Start 1|"_s;
const QString Navigate = u"MENUITEM|TASK_NAVIGATE_TO|"_s;
const QString ShowMap = u"MENUITEM|TASK_SHOW_MAP|"_s;
const QString ToPage1 = u"MENUITEM|TASK_PAGE1|"_s;
const QString ToPage2 = u"MENUITEM|TASK_PAGE2|"_s;
const QString Target = u"MENUPAGE|TASK_PAGE2|Ziel 2|"_s;

// A menu of one page whose only mistake is `item`.
QStringList withItem(const QString &item)
{
    return {Block, Start, item, ToPage1};
}

// A menu of one page whose only mistake is its `header`.
QStringList withHeader(const QString &header)
{
    return {Block, header, Navigate, ToPage1};
}

// Findings as "line severity text", one a line.
QString describe(const QList<CheckFinding> &findings)
{
    QStringList lines;
    for (const CheckFinding &finding : findings)
        lines << u"%1 %2 %3"_s.arg(finding.line)
                     .arg(finding.severity == CheckFinding::Severity::Error ? u"Fehler"_s : u"Warnung"_s, finding.text);
    return lines.join(u'\n');
}

// Windows-1252 and CR LF, as the program saves a menu.
QByteArray menuFile(const QStringList &records)
{
    QByteArray bytes;
    for (const QString &record : records) {
        Windows1252Codec::appendEncoded(record, bytes);
        bytes += "\r\n";
    }
    return bytes;
}

void row(const char *name, const QStringList &records, const QString &finding)
{
    QTest::newRow(name) << records << finding;
}

} // namespace

class TestMenuCheck : public QObject
{
    Q_OBJECT

private slots:
    void findsEachMistake_data();
    void findsEachMistake();
    void passesAMenuOfEveryShippedButton();
    void pagesAndPlacesAsThePreviewDrawsThem();

    // "--check": the checker on the command line, as the function the
    // program calls; tst_programrun runs it in the built program.
    // "%1" in the expected output stands for the menu file's path.
    void printsFindingsAndExits_data()
    {
        QTest::addColumn<QByteArray>("menu");
        QTest::addColumn<QString>("buttons");
        QTest::addColumn<QByteArray>("vocabulary"); // empty: the one built in
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");

        const QString buttons = TestData::sourcePath(u"data/buttons"_s);
        const QByteArray good = menuFile(TestData::WorkedExample);
        const QString start = u"MENUPAGE|TASK_PAGE1|Zielführung 1|"_s;
        const QStringList onePage{u"MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|"_s, start, u"MENUITEM|TASK_NAVIGATE_TO|"_s,
                                  u"MENUITEM|TASK_SHOW_MAP|"_s, u"MENUITEM|TASK_PAGE1|"_s};
        QTest::newRow("no errors") << good << buttons << QByteArray() << 0 << QString() << QString();
        // "Zielführung" checks that the output is UTF-8 whatever the file was.
        QTest::newRow("errors, one line each")
            << menuFile({onePage.at(0), start, u"MENUITEM|TASK_NAVIGATE_TO|"_s, u"MENUITEM|TASK_NO_SUCH_BUTTON|"_s,
                         u"MENUITEM|TASK_PAGE2|"_s, u"MENUITEM|TASK_PAGE1|"_s})
            << buttons << QByteArray() << 1
            << u"%1:4: Warnung: Zum Befehl NO_SUCH_BUTTON gibt es im Button-Ordner kein Bild.\n"
               u"%1:4: Warnung: Zum Befehl NO_SUCH_BUTTON gibt es im Vokabular keine Beschriftung.\n"
               u"%1:5: Fehler: Das Umblättern führt zu Seite 2, die es nicht gibt.\n"_s
            << QString();
        // Warnings alone are no reason to fail; without a button folder no
        // picture is looked for.
        QTest::newRow("only warnings")
            << menuFile({onePage.at(0), start, u"MENUITEM|TASK_MY_OWN|"_s, u"MENUITEM|TASK_PAGE1|"_s}) << QString()
            << QByteArray() << 0 << u"%1:3: Warnung: Zum Befehl MY_OWN gibt es im Vokabular keine Beschriftung.\n"_s
            << QString();
        QTest::newRow("the given vocabulary")
            << menuFile(onePage) << QString()
            << menuFile({TestData::vocabularyLine(u"navigate_to"_s, u"Los"_s),
                         TestData::vocabularyLine(u"page"_s, u"Weiter"_s)})
            << 0 << u"%1:4: Warnung: Zum Befehl SHOW_MAP gibt es im Vokabular keine Beschriftung.\n"_s << QString();
        // A finding about the whole file names no line.
        QTest::newRow("empty menu") << QByteArray() << QString() << QByteArray() << 1
                                    << u"%1: Fehler: Das Menü ist leer.\n"_s << QString();
        QTest::newRow("not a text file")
            << QByteArray("MENU\0BLOCK\r\n", 12) << buttons << QByteArray() << 2 << QString()
            << u"%1: Fehler: Fehler beim Öffnen der Datei. Die Datei enthält Nullbytes und ist keine Textdatei.\n"_s;
        QTest::newRow("no such button folder") << good << u"/no/such/folder"_s << QByteArray() << 2 << QString()
                                               << u"/no/such/folder: Fehler: Den Button-Ordner gibt es nicht.\n"_s;
    }

    void printsFindingsAndExits()
    {
        QFETCH(QByteArray, menu);
        QFETCH(QString, buttons);
        QFETCH(QByteArray, vocabulary);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);

        TestFolder folder;
        const QString path = folder.write(u"menu.mnu"_s, menu);
        const QString words = vocabulary.isEmpty() ? QString() : folder.write(u"words.dat"_s, vocabulary);
        QString printed;
        QString complained;
        QTextStream outStream(&printed);
        QTextStream errStream(&complained);
        QCOMPARE(CheckCommand::run(path, buttons, words, outStream, errStream), exitCode);
        QCOMPARE(printed, out.replace(u"%1"_s, path));
        QCOMPARE(complained, err.replace(u"%1"_s, path));
    }
};

void TestMenuCheck::findsEachMistake_data()
{
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<QString>("findings");

    row("empty menu", {}, u"0 Fehler Das Menü ist leer."_s);
    row("block line alone", {Block}, u"0 Fehler Das Menü hat keine Seite."_s);
    row("first line not the block line", {u"MENUBLOCK|BLOCK_MAIN|"_s, Start, Navigate, ToPage1},
        u"1 Fehler Die erste Zeile ist nicht die Blockzeile „MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|“."_s);
    row("block line further down", withItem(Block), u"3 Fehler Die Blockzeile gehört nur in die erste Zeile."_s);

    // Lines that are no record at all, each naming the field that is wrong.
    row("unknown first field", withItem(u"MENUEINTRAG|TASK_NAVIGATE_TO|"_s),
        u"3 Fehler Die Zeile ist weder Blockzeile noch Seitenkopf noch Eintrag: das erste Feld „MENUEINTRAG“ ist "
        u"unbekannt."_s);
    row("no closing bar", withItem(u"MENUITEM|TASK_NAVIGATE_TO"_s), u"3 Fehler Die Zeile endet nicht mit „|“."_s);
    row("block line with other fields", withItem(u"MENUBLOCK|BLOCK_MAIN|"_s),
        u"3 Fehler Die Blockzeile lautet nicht genau „MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|“."_s);
    row("header page field with a leading zero", withHeader(u"MENUPAGE|TASK_PAGE01|Start 01|"_s),
        u"2 Fehler Das zweite Feld des Seitenkopfs ist nicht „TASK_PAGE“ mit einer Seitennummer von 1 bis 99."_s);
    row("page turn without a page number", withItem(u"MENUITEM|TASK_PAGE|"_s),
        u"3 Fehler Das Umblättern nennt keine Seitennummer von 1 bis 99."_s);
    row("title field not ending in the page number", withHeader(u"MENUPAGE|TASK_PAGE1|Start 2|"_s),
        u"2 Fehler Das dritte Feld des Seitenkopfs endet nicht mit einem Leerzeichen und der Seitennummer 1."_s);
    row("item without TASK_", withItem(u"MENUITEM|NAVIGATE_TO|"_s),
        u"3 Fehler Das zweite Feld des Eintrags beginnt nicht mit „TASK_“."_s);
    row("item without a command", withItem(u"MENUITEM|TASK_|"_s), u"3 Fehler Der Eintrag nennt keinen Befehl."_s);
    row("command read as a page turn", withItem(u"MENUITEM|TASK_SET_1|"_s),
        u"3 Fehler Das Gerät liest die Ziffern in Spalte 19 und 20 des Befehls SET_1 als Seitennummer."_s);

    // "|" inside a field splits it for the device.
    row("title holding a bar", withHeader(u"MENUPAGE|TASK_PAGE1|Sta|rt 1|"_s),
        u"2 Fehler Der Titel enthält „|“; das Gerät liest dahinter ein weiteres Feld."_s);
    row("command holding a bar", withItem(u"MENUITEM|TASK_NAVI|GATE_TO|"_s),
        u"3 Fehler Der Befehl enthält „|“; das Gerät liest dahinter ein weiteres Feld."_s);

    row("character outside the code page", withHeader(u"MENUPAGE|TASK_PAGE1|Start ✓ 1|"_s),
        u"2 Fehler Das Zeichen „✓“ (U+2713) gibt es in der Codepage Windows-1252 nicht."_s);
    row("empty title", withHeader(u"MENUPAGE|TASK_PAGE1| 1|"_s), u"2 Warnung Seite 1 hat keinen Titel."_s);

    // Pages and page turns.
    row("page repeated", {Block, Start, Navigate, ToPage2, Target, ShowMap, ToPage2, Target, ShowMap, ToPage1},
        u"8 Fehler Seite 2 gibt es schon in Zeile 5."_s);
    row("page skipped in the count",
        {Block, Start, Navigate, u"MENUITEM|TASK_PAGE3|"_s, u"MENUPAGE|TASK_PAGE3|Ziel 3|"_s, ShowMap, ToPage1},
        u"5 Fehler Auf Seite 1 folgt Seite 3; erwartet war Seite 2."_s);
    row("more than six places", {Block, Start, Navigate, ToPage1, Navigate, Navigate, Navigate, Navigate, Navigate},
        u"9 Fehler Seite 1 hat 7 Plätze; das Gerät zeigt nur die ersten sechs."_s);
    row("page without places", {Block, Start, Navigate, ToPage2, Target}, u"5 Fehler Seite 2 hat keine Plätze."_s);
    // Ten pages as the builder makes them, five commands a page, but page
    // 9's only place, the turn to page 10, is 21 characters long: the device
    // reads it as the start of page 10.
    QStringList pastNine{Block};
    for (int page = 1; page <= 10; ++page) {
        pastNine << u"MENUPAGE|TASK_PAGE%1|Seite %1|"_s.arg(page);
        for (int i = page == 9 ? 0 : page == 10 ? 1 : 5; i > 0; --i)
            pastNine << Navigate;
        pastNine << (page == 10 ? ToPage1 : u"MENUITEM|TASK_PAGE%1|"_s.arg(page + 1));
    }
    row("page the device reads past", pastNine,
        u"58 Fehler Seite 9 zeigt das Gerät nie: Zeile 59 dahinter liest es als Anfang von Seite 10."_s);
    row("page turn to a missing page", {Block, Start, Navigate, ToPage2, ToPage1},
        u"4 Fehler Das Umblättern führt zu Seite 2, die es nicht gibt."_s);
    row("page no turn reaches", {Block, Start, Navigate, ShowMap, Target, Navigate, ToPage1},
        u"5 Warnung Keine Umblätter-Taste führt zu Seite 2."_s);
    row("last page not turning back", {Block, Start, Navigate, ShowMap},
        u"2 Fehler Die letzte Seite 1 führt nicht zurück zu Seite 1."_s);
    row("item before the first page", {Block, Navigate, Start, Navigate, ToPage1},
        u"2 Warnung Der Eintrag steht vor der ersten Seite; das Gerät zeigt ihn nicht."_s);
    // A two-digit page turn is as long as a page header: the device looking
    // for a page from the top may take it for page 10's.
    row("turn read as another page's start",
        {Block, Start, Navigate, u"MENUITEM|TASK_PAGE10|"_s, ToPage2, Target, Navigate, ToPage1},
        u"4 Fehler Das Umblättern führt zu Seite 10, die es nicht gibt.\n"
        u"5 Fehler Das Umblättern zu Seite 2 landet woanders: das Gerät liest Zeile 4 als Anfang von Seite 10."_s);
    row("turn read as its own page's start",
        {Block, Start, Navigate, u"MENUITEM|TASK_PAGE10|"_s, ShowMap, u"MENUPAGE|TASK_PAGE10|Ziel 10|"_s, Navigate,
         ToPage1},
        u"4 Fehler Das Umblättern zu Seite 10 landet woanders: das Gerät liest diese Zeile selbst als Anfang von "
        u"Seite 10.\n"
        u"6 Fehler Auf Seite 1 folgt Seite 10; erwartet war Seite 2."_s);

    // Captions; pictures are checked only with a button folder (tst_checkcommand).
    row("command without a caption", withItem(u"MENUITEM|TASK_MY_OWN|"_s),
        u"3 Warnung Zum Befehl MY_OWN gibt es im Vokabular keine Beschriftung."_s);
}

void TestMenuCheck::findsEachMistake()
{
    QFETCH(QStringList, records);
    QFETCH(QString, findings);
    QCOMPARE(describe(MenuCheck::run(records, {}, TestData::vocabulary())), findings);
}

// Five buttons a page and a page turn ("page.gif"), through every other
// button we ship: each has its picture and its caption in our vocabulary.
void TestMenuCheck::passesAMenuOfEveryShippedButton()
{
    const QStringList files = ButtonFileNames::list(TestData::sourcePath(u"data/buttons"_s));
    QVERIFY(files.size() > 60);
    QStringList records{Block};
    int page = 0;
    int onPage = 5;
    for (const QString &file : files) {
        if (file == u"page.gif")
            continue;
        if (onPage == 5) {
            if (page > 0)
                records << u"MENUITEM|TASK_PAGE%1|"_s.arg(page + 1);
            records << u"MENUPAGE|TASK_PAGE%1|Alle %1|"_s.arg(++page);
            onPage = 0;
        }
        records << u"MENUITEM|TASK_"_s + file.chopped(4).toUpper() + u'|';
        ++onPage;
    }
    records << ToPage1;
    QCOMPARE(describe(MenuCheck::run(records, files, TestData::vocabulary())), QString());
}

// The checker and the preview read pages alike: for random menus, every
// page the checker counts is the page the preview draws for its number,
// with the same title and the same places, cut at six.
void TestMenuCheck::pagesAndPlacesAsThePreviewDrawsThem()
{
    const QStringList commands{u"NAVIGATE_TO"_s, u"SHOW_MAP"_s, u"SET_VOLUME"_s, u"ABOUT"_s, u"X"_s};
    const QStringList titles{u"Optionen"_s, u""_s, u"Karte und Route"_s, u"A"_s};
    QRandomGenerator random(20);
    for (int round = 0; round < 400; ++round) {
        // A menu as the builder makes it, of up to 14 pages with up to 8
        // commands each (so some pages overflow and some carry none),
        // two-digit pages and their 21-character page turns included.
        QStringList records{u"MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|"_s};
        const int pageCount = random.bounded(1, 15);
        for (int page = 1; page <= pageCount; ++page) {
            records << u"MENUPAGE|TASK_PAGE%1|%2 %1|"_s.arg(page).arg(titles.at(random.bounded(titles.size())));
            for (int i = random.bounded(9); i > 0; --i)
                records << u"MENUITEM|TASK_"_s + commands.at(random.bounded(commands.size())) + u'|';
            records << u"MENUITEM|TASK_PAGE%1|"_s.arg(page == pageCount ? 1 : page + 1);
        }
        const QString menu = records.join(u'\n');
        const QList<CheckFinding> findings = MenuCheck::run(records, {}, {});
        const QList<MenuPage> pages = MenuPages::read(records).pages;
        QVERIFY2(!pages.isEmpty(), qPrintable(menu));
        for (const MenuPage &page : pages) {
            const RenderedPage drawn = PreviewRenderer::render(records, page.number, {}, {});
            const std::optional<QString> title =
                page.titleRecord < 0
                    ? std::nullopt
                    : std::optional(RecordFields::title(records.at(page.titleRecord), page.number).toString());
            QVERIFY2(drawn.title == title, qPrintable(menu));
            for (int place = 0; place < RenderedPage::PlaceCount; ++place) {
                const bool expected = place < page.placeCount();
                QVERIFY2(drawn.places.at(place).drawn == expected, qPrintable(u"%1\n%2"_s.arg(place).arg(menu)));
                if (expected) {
                    const QString &record = records.at(page.firstPlace + place);
                    QCOMPARE(drawn.places.at(place).command,
                             RecordFields::command(record, RecordFields::pageNumber(record)).toString());
                }
            }
            // The page after the drawn one is where the checker's page ends.
            if (page.placeCount() <= RenderedPage::PlaceCount && page.end < records.size())
                QVERIFY2(drawn.previewPage == page.number, qPrintable(menu));
            const QString overflow = u"Seite %1 hat %2 Plätze; das Gerät zeigt nur die ersten sechs."_s.arg(page.number)
                                         .arg(page.placeCount());
            const bool reported = std::any_of(findings.cbegin(), findings.cend(),
                                              [&](const CheckFinding &f) { return f.text == overflow; });
            QCOMPARE(reported, page.placeCount() > RenderedPage::PlaceCount);
        }
    }
}

QTEST_GUILESS_MAIN(TestMenuCheck)
#include "tst_menucheck.moc"
