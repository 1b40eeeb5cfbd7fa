#include "common/WindowPlacement.h"
#include "preview/PreviewRenderer.h"
#include "TestData.h"

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

// The commands of the places in order; "-" for a place left as it was.
QStringList commands(const RenderedPage &page)
{
    QStringList result;
    for (const RenderedPage::Place &place : page.places)
        result << (place.drawn ? place.command : u"-"_s);
    return result;
}

const QStringList Untouched(6, u"-"_s);

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
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("previewPage");
        QTest::addColumn<QStringList>("commands");
        const QStringList zoom = QStringList{u"zoom_in"_s} + Untouched.mid(1);
        QTest::newRow("worked example, page 1") << TestData::WorkedExample << 0 << u"Optionen 1"_s << 1
                                                << QStringList{u"navigate_to"_s,  u"show_map"_s,   u"plan_via"_s,
                                                               u"add_favorite"_s, u"set_volume"_s, u"page"_s};
        QTest::newRow("worked example, last page wraps")
            << TestData::WorkedExample << 2 << u"Optionen 2"_s << 0
            << QStringList{u"switch_nightview"_s, u"set_language"_s, u"page"_s} + Untouched.mid(3);
        for (int n = 4; n <= 9; ++n) {
            QTest::addRow("page %d title", n)
                << QStringList{u"x"_s, u"MENUPAGE|TASK_PAGE%1|Seite %1|"_s.arg(n), item(u"ZOOM_IN"_s)} << 0
                << u"Seite %1"_s.arg(n) << 0 << zoom;
        }
        QTest::newRow("page 10 title") << QStringList{u"x"_s, u"MENUPAGE|TASK_PAGE10|Zehn 10|"_s, item(u"ZOOM_IN"_s)}
                                       << 0 << u"Zehn 10"_s << 0 << zoom;
        QTest::newRow("two-digit page turn")
            << QStringList{u"x"_s, u"MENUITEM|TASK_PAGE12|"_s, item(u"ZOOM_IN"_s)} << 0 << u"(none)"_s << 0 << zoom;
        QTest::newRow("two-digit page turn among the items")
            << QStringList{u"x"_s,
                           u"MENUPAGE|TASK_PAGE11|Elf 11|"_s,
                           item(u"ZOOM_IN"_s),
                           u"MENUITEM|TASK_PAGE12|"_s,
                           u"MENUPAGE|TASK_PAGE12|Zwölf 12|"_s,
                           item(u"SHOW_MAP"_s)}
            << 0 << u"Elf 11"_s << 11 << QStringList{u"zoom_in"_s, u"page"_s} + Untouched.mid(2);

        // The turn before its header: both open the page, the header gives
        // the title. Seven items: six are shown, and the page keeps its number.
        QStringList records = {u"x"_s, u"MENUITEM|TASK_PAGE1|"_s, u"MENUPAGE|TASK_PAGE1|Eins|Aus 1|"_s};
        records << QStringList(7, item(u"SHOW_MAP"_s)) << u"MENUPAGE|TASK_PAGE3|Drei 3|"_s << item(u"ZOOM_IN"_s);
        QTest::newRow("seven items") << records << 0 << u"Eins|Aus 1"_s << 1 << QStringList(6, u"show_map"_s);
        QTest::newRow("next page there is") << records << 2 << u"Drei 3"_s << 0 << zoom;
        QTest::newRow("beyond the last page") << records << 4 << u"(none)"_s << 4 << Untouched;
        QTest::newRow("record 0 belongs to no page")
            << QStringList{u"MENUPAGE|TASK_PAGE1|A 1|"_s, item(u"ZOOM_IN"_s)} << 0 << u"(none)"_s << 0 << Untouched;
    }

    void pages()
    {
        QFETCH(QStringList, records);
        QFETCH(int, asked);
        QFETCH(QString, title);
        QFETCH(int, previewPage);
        QFETCH(QStringList, commands);
        const RenderedPage page = PreviewRenderer::render(records, asked, Buttons, {});
        QCOMPARE(page.title.value_or(u"(none)"_s), title);
        QCOMPARE(page.previewPage, previewPage);
        QCOMPARE(::commands(page), commands);
    }

    void captionsComeFromTheVocabulary()
    {
        const QStringList vocabulary = {vocabularyLine(u"page"_s, u"Weiter"_s)};
        const RenderedPage page = PreviewRenderer::render(TestData::WorkedExample, 0, Buttons, vocabulary);
        QCOMPARE(page.places[5].pictureFile, u"page.gif"_s);
        QCOMPARE(page.places[5].caption, u"Weiter"_s);
        QCOMPARE(page.places[1].caption, std::nullopt);
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

    void buttonsMatchInAnyCaseCaptionsOnlyExactly()
    {
        const QStringList buttons = {u"Navigate_To.gif"_s, u"navigate_to.gif"_s};
        const QStringList vocabulary = {vocabularyLine(u"navigate_to"_s, u"klein"_s),
                                        vocabularyLine(u" Navigate_To"_s, u"Groß"_s)};
        const QStringList records = {u"x"_s, u"MENUPAGE|TASK_PAGE1|A 1|"_s, item(u"NAVIGATE_TO"_s)};
        const RenderedPage page = PreviewRenderer::render(records, 0, buttons, vocabulary);
        QCOMPARE(page.places[0].pictureFile, u"Navigate_To.gif"_s);
        QCOMPARE(page.places[0].command, u"Navigate_To"_s);
        QCOMPARE(page.places[0].caption, u"Groß"_s);
    }

    void windowsStayOnTheScreen()
    {
        // Kept on a smaller screen than the one the place was drawn for.
        const QRect drawnPlace(802, 259, 166, 270);
        const QMargins frame(4, 30, 4, 4);
        QCOMPARE(WindowPlacement::keptOnScreen(drawnPlace, frame, {0, 0, 1280, 800}), drawnPlace);
        QCOMPARE(WindowPlacement::keptOnScreen(drawnPlace, frame, {0, 0, 800, 500}), QRect(630, 226, 166, 270));
        QCOMPARE(WindowPlacement::keptOnScreen(drawnPlace, frame, {0, 0, 100, 100}), QRect(4, 30, 166, 270));
        // Centred as the widget style centres: each half rounded down on its own.
        const QRect available(-1279, 31, 1279, 769);
        QCOMPARE(WindowPlacement::centredOnScreen({531, 547}, available), QRect(-905, 142, 531, 547));
        QCOMPARE(WindowPlacement::centredOnScreen({1400, 900}, available), QRect(-1340, -35, 1400, 900));
    }

    void itemsWithoutAButtonFileNameThemselves()
    {
        const QStringList records = {u"x"_s,
                                     u"MENUPAGE|TASK_PAGE1|A 1|"_s,
                                     item(u"Ping_Home"_s),
                                     item(u"PAGE2"_s),
                                     u"MENUITEM"_s,
                                     u"MENUITEM|TASK_"_s};
        // Not the last file's picture: the template, named as written.
        const RenderedPage page = PreviewRenderer::render(records, 0, {u"zoom_in.gif"_s, u"zz_last.gif"_s, u"gif"_s},
                                                          {vocabularyLine(u"zz_last"_s, u"Z"_s)});
        QCOMPARE(commands(page), (QStringList{u"Ping_Home"_s, u"PAGE"_s, u""_s, u""_s, u"-"_s, u"-"_s}));
        for (int place = 0; place < 4; ++place) {
            QCOMPARE(page.places.at(place).pictureFile, std::nullopt);
            QCOMPARE(page.places.at(place).caption, page.places.at(place).command);
        }
        QCOMPARE(page.previewPage, 0);
    }
};

QTEST_GUILESS_MAIN(TestPreviewRenderer)
#include "tst_previewrenderer.moc"
