#include "model/EntryListModel.h"
#include "preview/PageDirectory.h"
#include "preview/PageOpenerIndex.h"
#include "preview/PreviewRenderer.h"
#include "TestData.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;
using TestData::vocabularyLine;

namespace {

const QStringList Buttons = {u"add_favorite.gif"_s, u"navigate_to.gif"_s,      u"page.gif"_s,
                             u"plan_via.gif"_s,     u"set_language.gif"_s,     u"set_volume.gif"_s,
                             u"show_map.gif"_s,     u"switch_nightview.gif"_s, u"zoom_in.gif"_s};

QString item(const QString &command)
{
    return u"MENUITEM|TASK_"_s + command + u'|';
}

QString header(int number, const QString &title)
{
    return u"MENUPAGE|TASK_PAGE%1|%2 %1|"_s.arg(number).arg(title);
}

// The page as "title →next page: commands of the places", "-" for a place
// left as it was; "(none)" for a title left as it was.
QString described(const RenderedPage &page)
{
    QStringList commands;
    for (const RenderedPage::Place &place : page.places)
        commands << (place.drawn ? place.command : u"-"_s);
    return u"%1 →%2: %3"_s.arg(page.title.value_or(u"(none)"_s)).arg(page.previewPage).arg(commands.join(u' '));
}

// Each page of a directory as "number:first item row+places"; places that
// turn the page as "place→target"; "!" for a page no page turn reaches.
QStringList outline(const PageDirectory &directory)
{
    QStringList result;
    for (int index = 0; index < directory.count(); ++index) {
        const PageDirectory::Page &page = directory.page(index);
        QString text = u"%1:%2+%3"_s.arg(page.number).arg(page.firstItem).arg(page.placeCount);
        for (int place = 0; place < RenderedPage::PlaceCount; ++place) {
            if (page.targets.at(place) != PageDirectory::NoTarget)
                text += u" %1→%2"_s.arg(place).arg(page.targets.at(place));
        }
        result << (page.reachable ? text : text + u" !"_s);
    }
    return result;
}

// Openers of one- to three-digit pages with and without titles, items,
// page turns, and records too short for either.
QString randomRecord(QRandomGenerator &random)
{
    const QString page = QString::number(random.bounded(0, 130));
    switch (random.bounded(6)) {
    case 0:
    case 1: return u"MENUPAGE|TASK_PAGE"_s + page + (random.bounded(2) ? u" Menü "_s + page : QString()) + u'|';
    case 2: return u"MENUITEM|TASK_PAGE"_s + page + u'|';
    case 3: return u"MENUITEM|TASK_ZOOM_IN"_s + (random.bounded(2) ? page : QString()) + u'|';
    case 4: return u"MENUITEM|TASK_SHOW_MAP|"_s;
    default: return QString(random.bounded(0, 25), u'x');
    }
}

QStringList randomMenu(QRandomGenerator &random)
{
    QStringList menu;
    for (int size = random.bounded(0, 80); menu.size() < size;)
        menu.append(randomRecord(random));
    return menu;
}

} // namespace

class TestPreviewRenderer : public QObject
{
    Q_OBJECT

private slots:
    // Which page is drawn for the page asked for, under which title, with
    // which commands, and which page the next turn asks for. A page opener of
    // pages 1 to 9 is 20 characters up to its title, of pages 10 to 99 one
    // more; a page turn item of 21 characters opens a two-digit page without
    // a title of its own.
    void pages_data()
    {
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<int>("asked");
        QTest::addColumn<QString>("page");
        QTest::newRow("worked example, page 1")
            << TestData::WorkedExample << 0
            << u"Optionen 1 →1: navigate_to show_map plan_via add_favorite set_volume page"_s;
        QTest::newRow("worked example, last page wraps")
            << TestData::WorkedExample << 2 << u"Optionen 2 →0: switch_nightview set_language page - - -"_s;
        for (int n = 4; n <= 9; ++n) {
            QTest::addRow("page %d title", n) << QStringList{u"x"_s, header(n, u"Seite"_s), item(u"ZOOM_IN"_s)} << 0
                                              << u"Seite %1 →0: zoom_in - - - - -"_s.arg(n);
        }
        QTest::newRow("page 10 title") << QStringList{u"x"_s, u"MENUPAGE|TASK_PAGE10|Zehn 10|"_s, item(u"ZOOM_IN"_s)}
                                       << 0 << u"Zehn 10 →0: zoom_in - - - - -"_s;
        QTest::newRow("two-digit page turn") << QStringList{u"x"_s, u"MENUITEM|TASK_PAGE12|"_s, item(u"ZOOM_IN"_s)} << 0
                                             << u"(none) →0: zoom_in - - - - -"_s;
        QTest::newRow("two-digit page turn among the items") << QStringList{u"x"_s,
                                                                            header(11, u"Elf"_s),
                                                                            item(u"ZOOM_IN"_s),
                                                                            u"MENUITEM|TASK_PAGE12|"_s,
                                                                            header(12, u"Zwölf"_s),
                                                                            item(u"SHOW_MAP"_s)}
                                                             << 0 << u"Elf 11 →11: zoom_in page - - - -"_s;

        // The turn before its header: both open the page, the header gives
        // the title. Seven items: six are shown, and the page keeps its number.
        QStringList records = {u"x"_s, u"MENUITEM|TASK_PAGE1|"_s, u"MENUPAGE|TASK_PAGE1|Eins|Aus 1|"_s};
        records << QStringList(7, item(u"SHOW_MAP"_s)) << header(3, u"Drei"_s) << item(u"ZOOM_IN"_s);
        QTest::newRow("seven items") << records << 0
                                     << u"Eins|Aus 1 →1: show_map show_map show_map show_map show_map show_map"_s;
        QTest::newRow("next page there is") << records << 2 << u"Drei 3 →0: zoom_in - - - - -"_s;
        QTest::newRow("beyond the last page") << records << 4 << u"(none) →4: - - - - - -"_s;
        QTest::newRow("record 0 belongs to no page")
            << QStringList{header(1, u"A"_s), item(u"ZOOM_IN"_s)} << 0 << u"(none) →0: - - - - - -"_s;
    }

    void pages()
    {
        QFETCH(QStringList, records);
        QFETCH(int, asked);
        QFETCH(QString, page);
        QCOMPARE(described(PreviewRenderer::render(records, asked, Buttons, {})), page);
    }

    // The picture a place shows and its caption: the button file named like
    // the command in any case, the vocabulary's caption of exactly that name.
    void places_data()
    {
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QStringList>("vocabulary");
        QTest::addColumn<QString>("command"); // of place 0, "MENUITEM|TASK_<command>|"
        QTest::addColumn<QString>("place");   // its command, picture file and caption
        const QStringList vocabulary = {vocabularyLine(u"navigate_to"_s, u"klein"_s),
                                        vocabularyLine(u" Navigate_To"_s, u"Groß"_s)};
        QTest::newRow("caption from the vocabulary")
            << Buttons << QStringList{vocabularyLine(u"page"_s, u"Weiter"_s)} << u"PAGE"_s << u"page|page.gif|Weiter"_s;
        QTest::newRow("no caption in the vocabulary")
            << Buttons << QStringList{} << u"SHOW_MAP"_s << u"show_map|show_map.gif|(none)"_s;
        QTest::newRow("the first file in any case, its caption exactly")
            << QStringList{u"Navigate_To.gif"_s, u"navigate_to.gif"_s} << vocabulary << u"NAVIGATE_TO"_s
            << u"Navigate_To|Navigate_To.gif|Groß"_s;
        // Not the last file's picture: the template, named as written.
        QTest::newRow("no button file of its own")
            << QStringList{u"zoom_in.gif"_s, u"zz_last.gif"_s, u"gif"_s}
            << QStringList{vocabularyLine(u"zz_last"_s, u"Z"_s)} << u"Ping_Home"_s << u"Ping_Home|(none)|Ping_Home"_s;
        QTest::newRow("an empty command") << Buttons << QStringList{} << QString() << u"|(none)|"_s;
    }

    void places()
    {
        QFETCH(QStringList, buttons);
        QFETCH(QStringList, vocabulary);
        QFETCH(QString, command);
        QFETCH(QString, place);
        const QStringList records = {u"x"_s, header(1, u"A"_s), item(command), item(u"ZOOM_IN"_s)};
        const RenderedPage::Place drawn = PreviewRenderer::render(records, 0, buttons, vocabulary).places.at(0);
        QVERIFY(drawn.drawn);
        QCOMPARE(u"%1|%2|%3"_s.arg(drawn.command, drawn.pictureFile.value_or(u"(none)"_s),
                                   drawn.caption.value_or(u"(none)"_s)),
                 place);
    }

    void fieldsAreReadAtFixedColumns()
    {
        QCOMPARE(PreviewRenderer::pageNumber(u"MENUPAGE|TASK_PAGE 7|A 7|"), 7);
        QCOMPARE(PreviewRenderer::pageNumber(u"MENUITEM|TASK_PAGE"), 0);
        // Only two columns are read: page 100 is read as page 10.
        QCOMPARE(PreviewRenderer::pageNumber(u"MENUPAGE|TASK_PAGE100|Extras 100|"), 10);
        QCOMPARE(PreviewRenderer::title(u"MENUPAGE|TASK_PAGE100|Extras 100|", 10), u"|Extras 100");
        QCOMPARE(PreviewRenderer::command(u"MENUITEM|TASK_PAGE12|", 12), u"PAGE");
        QCOMPARE(PreviewRenderer::command(u"MENU", 0), u"");
    }

    void theDirectoryFindsPagesInListOrder_data()
    {
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("worked example") << TestData::WorkedExample << QStringList{u"1:2+6 5→2"_s, u"2:9+3 2→1"_s};
        QTest::newRow("no page header") << QStringList{u"x"_s, item(u"SHOW_MAP"_s), item(u"PAGE2"_s)} << QStringList{};
        QTest::newRow("a header as the last record draws nothing")
            << QStringList{u"x"_s, header(1, u"A"_s), item(u"SHOW_MAP"_s), header(2, u"B"_s)}
            << QStringList{u"1:2+1"_s};
        QTest::newRow("the first line is never a page")
            << QStringList{header(1, u"A"_s), item(u"SHOW_MAP"_s)} << QStringList{};
        QTest::newRow("only six of eight items show")
            << (QStringList{u"x"_s, header(1, u"A"_s)} + QStringList(8, item(u"SHOW_MAP"_s)))
            << QStringList{u"1:2+6"_s};
        QTest::newRow("a page nobody turns to, and a turn to a page that does not exist")
            << QStringList{u"x"_s,           header(1, u"A"_s), item(u"PAGE7"_s), header(2, u"B"_s),
                           item(u"PAGE1"_s), header(3, u"C"_s), item(u"PAGE2"_s)}
            << QStringList{u"1:2+1 0→7"_s, u"2:4+1 0→1 !"_s, u"3:6+1 0→2 !"_s};
        QTest::newRow("a page turn without a number names none")
            << QStringList{u"x"_s, header(1, u"A"_s), item(u"PAGE"_s)} << QStringList{u"1:2+1 0→0"_s};
        QTest::newRow("pages out of numerical order stay in list order")
            << QStringList{u"x"_s, header(3, u"C"_s), item(u"PAGE1"_s), header(1, u"A"_s), item(u"PAGE3"_s)}
            << QStringList{u"3:2+1 0→1"_s, u"1:4+1 0→3"_s};
        QTest::newRow("a two-digit page turn before its header joins the header's run")
            << QStringList{u"x"_s,
                           header(11, u"K"_s),
                           item(u"SHOW_MAP"_s),
                           item(u"PAGE12"_s),
                           header(12, u"L"_s),
                           item(u"PAGE11"_s)}
            << QStringList{u"11:2+2 1→12"_s, u"12:5+1 0→11"_s};
        QTest::newRow("a two-digit page turn among the items opens a page after it")
            << QStringList{u"x"_s, header(1, u"A"_s), item(u"SHOW_MAP"_s), item(u"PAGE12"_s), item(u"SHOW_MAP"_s)}
            << QStringList{u"1:2+3 1→12"_s, u"12:4+1"_s};
    }

    void theDirectoryFindsPagesInListOrder()
    {
        QFETCH(QStringList, records);
        QFETCH(QStringList, expected);
        QCOMPARE(outline(PageDirectory(records)), expected);
    }

    // "MENUITEM|TASK_PAGE12|" is one of the 21-character openers that carry
    // no title: the page shows the title shown before it.
    void theDirectoryCarriesATitleOver()
    {
        const QStringList records = {u"x"_s, header(1, u"A"_s), item(u"SHOW_MAP"_s), item(u"PAGE12"_s),
                                     item(u"SHOW_MAP"_s)};
        const RenderedPage second = PageDirectory(records).render(1, records, Buttons, {});
        QCOMPARE(described(second), u"A 1 →0: show_map - - - - -"_s);
        QCOMPARE(second.places.at(0).pictureFile, u"show_map.gif"_s);
    }

    // A page found through the kept index of openers is the page a fresh
    // index finds, however the list was edited in between.
    void theKeptOpenerIndexFindsWhatAFreshOneFinds_data()
    {
        QTest::addColumn<int>("edits");
        QTest::newRow("one list asked in any order") << 0;
        QTest::newRow("a list edited between the pages") << 1;
        QTest::newRow("a list edited many times between the pages") << 5;
    }

    void theKeptOpenerIndexFindsWhatAFreshOneFinds()
    {
        QFETCH(int, edits);
        QRandomGenerator random(20261206 + edits);
        for (int menu = 0; menu < 300; ++menu) {
            EntryListModel list;
            list.setEntries(randomMenu(random));
            PageOpenerIndex openers(list);
            for (int ask = 0; ask < 40; ++ask) {
                const int previewPage = random.bounded(-1, 102);
                const RenderedPage kept = PreviewRenderer::render(list.entries(), previewPage, {}, {}, openers);
                if (kept != PreviewRenderer::render(list.entries(), previewPage, {}, {}))
                    QFAIL(qPrintable(u"page %1 of %2 differs"_s.arg(previewPage).arg(list.entries().join(u" / "_s))));
                // Edits of the kinds the program makes.
                for (int i = 0; i < edits; ++i) {
                    const int count = list.count();
                    switch (count == 0 ? 0 : random.bounded(6)) {
                    case 0: list.append(randomRecord(random)); break;
                    case 1: list.insert(random.bounded(count + 1), randomRecord(random)); break;
                    case 2: list.replace(random.bounded(count), randomRecord(random)); break;
                    case 3: list.remove(random.bounded(count)); break;
                    case 4: list.setEntries(randomMenu(random)); break;
                    default: list.clear(); break;
                    }
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestPreviewRenderer)
#include "tst_previewrenderer.moc"
