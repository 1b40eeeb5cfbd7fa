// What the menu checker finds: one row per kind of mistake, each in a
// minimal menu that has exactly that mistake.

#include "check/MenuCheck.h"
#include "library/ButtonFileNames.h"
#include "TestData.h"

#include <QTest>

using namespace Qt::StringLiterals;

using Severity = CheckFinding::Severity;

namespace {

const QString Block = u"MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|"_s;
const QString Navigate = u"MENUITEM|TASK_NAVIGATE_TO|"_s;
const QString ShowMap = u"MENUITEM|TASK_SHOW_MAP|"_s;
const QString ToPage1 = u"MENUITEM|TASK_PAGE1|"_s;
const QString ToPage2 = u"MENUITEM|TASK_PAGE2|"_s;

QString header(int page, const QString &title)
{
    return u"MENUPAGE|TASK_PAGE%1|%2 %1|"_s.arg(page).arg(title);
}

// Pages 1 … n as the builder makes them, page p with `commands[p - 1]`
// navigate_to items and a page turn to the next page or back to page 1.
QStringList builderMenu(const QList<int> &commands)
{
    QStringList records{Block};
    for (qsizetype page = 1; page <= commands.size(); ++page) {
        records << header(int(page), u"Seite"_s);
        for (int i = 0; i < commands.at(page - 1); ++i)
            records << Navigate;
        records << (page == commands.size() ? ToPage1 : u"MENUITEM|TASK_PAGE%1|"_s.arg(page + 1));
    }
    return records;
}

QString describe(const QList<CheckFinding> &findings)
{
    QStringList lines;
    for (const CheckFinding &finding : findings)
        lines << u"%1 %2 %3"_s.arg(finding.line)
                     .arg(finding.severity == Severity::Error ? u"Fehler"_s : u"Warnung"_s, finding.text);
    return lines.join(u'\n');
}

} // namespace

class TestMenuCheck : public QObject
{
    Q_OBJECT

private slots:
    void findsEachMistake_data();
    void findsEachMistake();
    void findsATurnThatLandsElsewhere_data();
    void findsATurnThatLandsElsewhere();
    void passesAMenuOfEveryShippedButton();
};

void TestMenuCheck::findsEachMistake_data()
{
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<QStringList>("buttonFiles");
    QTest::addColumn<qsizetype>("line");
    QTest::addColumn<Severity>("severity");
    QTest::addColumn<QString>("text");

    const QStringList noFolder;
    const QString start = header(1, u"Start"_s);

    QTest::newRow("empty menu") << QStringList() << noFolder << qsizetype(0) << Severity::Error
                                << u"Das Menü ist leer."_s;
    QTest::newRow("block line alone") << QStringList{Block} << noFolder << qsizetype(0) << Severity::Error
                                      << u"Das Menü hat keine Seite."_s;
    QTest::newRow("first line not the block line")
        << QStringList{u"MENUBLOCK|BLOCK_MAIN|"_s, start, Navigate, ToPage1} << noFolder << qsizetype(1)
        << Severity::Error << u"Die erste Zeile ist nicht die Blockzeile „MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|“."_s;
    QTest::newRow("block line further down") << QStringList{Block, start, Block, ToPage1} << noFolder << qsizetype(3)
                                             << Severity::Error << u"Die Blockzeile gehört nur in die erste Zeile."_s;

    // Lines that are no record at all, each naming the field that is wrong.
    QTest::newRow("unknown first field")
        << QStringList{Block, start, u"MENUEINTRAG|TASK_NAVIGATE_TO|"_s, ToPage1} << noFolder << qsizetype(3)
        << Severity::Error
        << u"Die Zeile ist weder Blockzeile noch Seitenkopf noch Eintrag: das erste Feld „MENUEINTRAG“ ist unbekannt."_s;
    QTest::newRow("no closing bar") << QStringList{Block, start, u"MENUITEM|TASK_NAVIGATE_TO"_s, ToPage1} << noFolder
                                    << qsizetype(3) << Severity::Error << u"Die Zeile endet nicht mit „|“."_s;
    QTest::newRow("block line with other fields")
        << QStringList{Block, start, u"MENUBLOCK|BLOCK_MAIN|"_s, ToPage1} << noFolder << qsizetype(3) << Severity::Error
        << u"Die Blockzeile lautet nicht genau „MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|“."_s;
    QTest::newRow("header page field with a leading zero")
        << QStringList{Block, u"MENUPAGE|TASK_PAGE01|Start 01|"_s, Navigate, ToPage1} << noFolder << qsizetype(2)
        << Severity::Error
        << u"Das zweite Feld des Seitenkopfs ist nicht „TASK_PAGE“ mit einer Seitennummer von 1 bis 99."_s;
    QTest::newRow("page turn without a page number")
        << QStringList{Block, start, u"MENUITEM|TASK_PAGE|"_s, ToPage1} << noFolder << qsizetype(3) << Severity::Error
        << u"Das Umblättern nennt keine Seitennummer von 1 bis 99."_s;
    QTest::newRow("title field not ending in the page number")
        << QStringList{Block, u"MENUPAGE|TASK_PAGE1|Start 2|"_s, Navigate, ToPage1} << noFolder << qsizetype(2)
        << Severity::Error
        << u"Das dritte Feld des Seitenkopfs endet nicht mit einem Leerzeichen und der Seitennummer 1."_s;
    QTest::newRow("item without TASK_") << QStringList{Block, start, u"MENUITEM|NAVIGATE_TO|"_s, ToPage1} << noFolder
                                        << qsizetype(3) << Severity::Error
                                        << u"Das zweite Feld des Eintrags beginnt nicht mit „TASK_“."_s;
    QTest::newRow("item without a command") << QStringList{Block, start, u"MENUITEM|TASK_|"_s, ToPage1} << noFolder
                                            << qsizetype(3) << Severity::Error << u"Der Eintrag nennt keinen Befehl."_s;
    QTest::newRow("command read as a page turn")
        << QStringList{Block, start, u"MENUITEM|TASK_SET_1|"_s, ToPage1} << noFolder << qsizetype(3) << Severity::Error
        << u"Das Gerät liest die Ziffern in Spalte 19 und 20 des Befehls SET_1 als Seitennummer."_s;

    // "|" inside a field splits it for the device.
    QTest::newRow("title holding a bar") << QStringList{Block, u"MENUPAGE|TASK_PAGE1|Sta|rt 1|"_s, Navigate, ToPage1}
                                         << noFolder << qsizetype(2) << Severity::Error
                                         << u"Der Titel enthält „|“; das Gerät liest dahinter ein weiteres Feld."_s;
    QTest::newRow("command holding a bar")
        << QStringList{Block, start, u"MENUITEM|TASK_NAVI|GATE_TO|"_s, ToPage1} << noFolder << qsizetype(3)
        << Severity::Error << u"Der Befehl enthält „|“; das Gerät liest dahinter ein weiteres Feld."_s;

    QTest::newRow("character outside the code page")
        << QStringList{Block, u"MENUPAGE|TASK_PAGE1|Start ✓ 1|"_s, Navigate, ToPage1} << noFolder << qsizetype(2)
        << Severity::Error << u"Das Zeichen „✓“ (U+2713) gibt es in der Codepage Windows-1252 nicht."_s;
    QTest::newRow("empty title") << QStringList{Block, u"MENUPAGE|TASK_PAGE1| 1|"_s, Navigate, ToPage1} << noFolder
                                 << qsizetype(2) << Severity::Warning << u"Seite 1 hat keinen Titel."_s;

    // Pages and page turns.
    QTest::newRow("page repeated")
        << QStringList{Block,   start,  Navigate, ToPage2, header(2, u"Ziel"_s), ShowMap, ToPage2, header(2, u"Ziel"_s),
                       ShowMap, ToPage1}
        << noFolder << qsizetype(8) << Severity::Error << u"Seite 2 gibt es schon in Zeile 5."_s;
    QTest::newRow("page skipped in the count")
        << QStringList{Block, start, Navigate, u"MENUITEM|TASK_PAGE3|"_s, header(3, u"Ziel"_s), ShowMap, ToPage1}
        << noFolder << qsizetype(5) << Severity::Error << u"Auf Seite 1 folgt Seite 3; erwartet war Seite 2."_s;
    QTest::newRow("more than six places")
        << QStringList{Block, start, Navigate, ToPage1, Navigate, Navigate, Navigate, Navigate, Navigate} << noFolder
        << qsizetype(9) << Severity::Error << u"Seite 1 hat 7 Plätze; das Gerät zeigt nur die ersten sechs."_s;
    QTest::newRow("page without places") << QStringList{Block, start, Navigate, ToPage2, header(2, u"Ziel"_s)}
                                         << noFolder << qsizetype(5) << Severity::Error
                                         << u"Seite 2 hat keine Plätze."_s;
    // Page 9's only place, the turn to page 10, is 21 characters long:
    // the device reads it as the start of page 10.
    QTest::newRow("page the device reads past")
        << builderMenu({5, 5, 5, 5, 5, 5, 5, 5, 0, 1}) << noFolder << qsizetype(58) << Severity::Error
        << u"Seite 9 zeigt das Gerät nie: Zeile 59 dahinter liest es als Anfang von Seite 10."_s;
    QTest::newRow("page turn to a missing page")
        << QStringList{Block, start, Navigate, ToPage2, ToPage1} << noFolder << qsizetype(4) << Severity::Error
        << u"Das Umblättern führt zu Seite 2, die es nicht gibt."_s;
    QTest::newRow("page no turn reaches")
        << QStringList{Block, start, Navigate, ShowMap, header(2, u"Ziel"_s), Navigate, ToPage1} << noFolder
        << qsizetype(5) << Severity::Warning << u"Keine Umblätter-Taste führt zu Seite 2."_s;
    QTest::newRow("last page not turning back")
        << QStringList{Block, start, Navigate, ShowMap} << noFolder << qsizetype(2) << Severity::Error
        << u"Die letzte Seite 1 führt nicht zurück zu Seite 1."_s;
    QTest::newRow("item before the first page")
        << QStringList{Block, Navigate, start, Navigate, ToPage1} << noFolder << qsizetype(2) << Severity::Warning
        << u"Der Eintrag steht vor der ersten Seite; das Gerät zeigt ihn nicht."_s;

    // Pictures and captions.
    QTest::newRow("command without a picture")
        << QStringList{Block, start, Navigate, ShowMap, ToPage1} << QStringList{u"navigate_to.gif"_s, u"page.gif"_s}
        << qsizetype(4) << Severity::Warning << u"Zum Befehl SHOW_MAP gibt es im Button-Ordner kein Bild."_s;
    QTest::newRow("command without a caption")
        << QStringList{Block, start, u"MENUITEM|TASK_MY_OWN|"_s, ToPage1} << noFolder << qsizetype(3)
        << Severity::Warning << u"Zum Befehl MY_OWN gibt es im Vokabular keine Beschriftung."_s;
}

void TestMenuCheck::findsEachMistake()
{
    QFETCH(QStringList, records);
    QFETCH(QStringList, buttonFiles);
    QFETCH(qsizetype, line);
    QFETCH(Severity, severity);
    QFETCH(QString, text);

    const QList<CheckFinding> findings = MenuCheck::run(records, buttonFiles, TestData::vocabulary());
    const QList<CheckFinding> expected{{.line = line, .severity = severity, .text = text}};
    QCOMPARE(describe(findings), describe(expected));
}

// A two-digit page turn is 21 characters long, as long as a page header:
// the device looking for a page from the top may take it for page 10's.
void TestMenuCheck::findsATurnThatLandsElsewhere_data()
{
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<qsizetype>("line");
    QTest::addColumn<QString>("text");

    QTest::newRow("turn read as another page's start")
        << QStringList{Block,   header(1, u"Start"_s), Navigate, u"MENUITEM|TASK_PAGE10|"_s,
                       ToPage2, header(2, u"Ziel"_s),  Navigate, ToPage1}
        << qsizetype(5)
        << u"Das Umblättern zu Seite 2 landet woanders: das Gerät liest Zeile 4 als Anfang von Seite 10."_s;
    QStringList skipping = builderMenu({1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    skipping[3] = u"MENUITEM|TASK_PAGE10|"_s;
    QTest::newRow("turn read as its own page's start")
        << skipping << qsizetype(4)
        << u"Das Umblättern zu Seite 10 landet woanders: das Gerät liest diese Zeile selbst als Anfang von Seite 10."_s;
}

void TestMenuCheck::findsATurnThatLandsElsewhere()
{
    QFETCH(QStringList, records);
    QFETCH(qsizetype, line);
    QFETCH(QString, text);

    QStringList found;
    for (const CheckFinding &finding : MenuCheck::run(records, {}, TestData::vocabulary())) {
        if (finding.line == line)
            found << finding.text;
    }
    QCOMPARE(found, QStringList{text});
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
            records << header(++page, u"Alle"_s);
            onPage = 0;
        }
        records << u"MENUITEM|TASK_"_s + file.chopped(4).toUpper() + u'|';
        ++onPage;
    }
    records << ToPage1;
    QCOMPARE(describe(MenuCheck::run(records, files, TestData::vocabulary())), QString());
}

QTEST_GUILESS_MAIN(TestMenuCheck)
#include "tst_menucheck.moc"
