#include "preview/PreviewRenderer.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString vocabularyLine(const QString &command, const QString &caption)
{
    return command.leftJustified(25) + caption;
}

// The twelve records the builder makes for two pages titled "Optionen".
const QStringList WorkedExample = {
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
};

const QStringList Buttons = {
    u"add_favorite.gif"_s,
    u"navigate_to.gif"_s,
    u"page.gif"_s,
    u"plan_via.gif"_s,
    u"set_language.gif"_s,
    u"set_volume.gif"_s,
    u"show_map.gif"_s,
    u"switch_nightview.gif"_s,
    u"zoom_in.gif"_s,
};

const QStringList Vocabulary = {
    vocabularyLine(u"navigate_to"_s, u"Navigieren zu"_s),
    vocabularyLine(u"show_map"_s, u"Karte"_s),
    vocabularyLine(u"page"_s, u"Weiter"_s),
};

// The commands of the places drawn, in place order; "-" for a place left alone.
QStringList commands(const RenderedPage &page)
{
    QStringList result;
    for (const RenderedPage::Place &place : page.places)
        result << (place.drawn ? place.command : u"-"_s);
    return result;
}

QString item(const QString &command)
{
    return u"MENUITEM|TASK_"_s + command + u'|';
}

} // namespace

class TestPreviewRenderer : public QObject
{
    Q_OBJECT

private slots:
    void workedExampleRunsThroughBothPagesAndWraps()
    {
        RenderedPage page = PreviewRenderer::render(WorkedExample, 0, Buttons, Vocabulary);
        QCOMPARE(page.title, u"Optionen 1"_s);
        QCOMPARE(page.previewPage, 1);
        QCOMPARE(commands(page),
            (QStringList{
                u"navigate_to"_s, u"show_map"_s, u"plan_via"_s, u"add_favorite"_s, u"set_volume"_s, u"page"_s}));
        QCOMPARE(page.places[0].pictureFile, u"navigate_to.gif"_s);
        QCOMPARE(page.places[5].pictureFile, u"page.gif"_s);
        QCOMPARE(page.places[0].caption, u"Navigieren zu"_s);
        QCOMPARE(page.places[5].caption, u"Weiter"_s);
        // No vocabulary line: the caption stays as it is.
        QCOMPARE(page.places[2].caption, std::nullopt);

        page = PreviewRenderer::render(WorkedExample, page.previewPage + 1, Buttons, Vocabulary);
        QCOMPARE(page.title, u"Optionen 2"_s);
        QCOMPARE(
            commands(page), (QStringList{u"switch_nightview"_s, u"set_language"_s, u"page"_s, u"-"_s, u"-"_s, u"-"_s}));
        // The last record was drawn: the next turn starts over.
        QCOMPARE(page.previewPage, 0);

        page = PreviewRenderer::render(WorkedExample, page.previewPage + 1, Buttons, Vocabulary);
        QCOMPARE(page.title, u"Optionen 1"_s);
        QCOMPARE(page.previewPage, 1);
    }

    void fieldsAreReadAtFixedColumns()
    {
        QCOMPARE(PreviewRenderer::pageNumber(u"MENUPAGE|TASK_PAGE7|A 7|"), 7);
        QCOMPARE(PreviewRenderer::pageNumber(u"MENUPAGE|TASK_PAGE 7|A 7|"), 7);
        QCOMPARE(PreviewRenderer::pageNumber(u"MENUITEM|TASK_PAGE12|"), 12);
        QCOMPARE(PreviewRenderer::pageNumber(u"MENUITEM|TASK_PAGE|"), 0);
        QCOMPARE(PreviewRenderer::pageNumber(u"MENUITEM|TASK_SHOW_MAP|"), 0);
        QCOMPARE(PreviewRenderer::pageNumber(u"MENUITEM|TASK_PAGE"), 0);
        // Only two columns are read: page 100 is read as page 10.
        QCOMPARE(PreviewRenderer::pageNumber(u"MENUPAGE|TASK_PAGE100|Extras 100|"), 10);
        QCOMPARE(PreviewRenderer::title(u"MENUPAGE|TASK_PAGE100|Extras 100|", 10), u"|Extras 100");
        QCOMPARE(PreviewRenderer::title(u"MENUPAGE|TASK_PAGE1| 1|", 1), u" 1");
        QCOMPARE(PreviewRenderer::command(u"MENUITEM|TASK_PAGE2|", 2), u"PAGE");
        QCOMPARE(PreviewRenderer::command(u"MENUITEM|TASK_PAGE12|", 12), u"PAGE");
        QCOMPARE(PreviewRenderer::command(u"MENUITEM|TASK_PAGE|", 0), u"PAGE");
        QCOMPARE(PreviewRenderer::command(u"MENUITEM|TASK_|", 0), u"");
        QCOMPARE(PreviewRenderer::command(u"MENU", 0), u"");
    }

    void titlesOfPagesAndRunsOfOpeners()
    {
        // Page 10 and beyond: the title starts one column later.
        RenderedPage page = PreviewRenderer::render(
            {u"x"_s, u"MENUPAGE|TASK_PAGE12|Extras 12|"_s, item(u"SHOW_MAP"_s)}, 0, Buttons, {});
        QCOMPARE(page.title, u"Extras 12"_s);
        QCOMPARE(page.previewPage, 0);

        // The page turn to page 12 stands before its header: both open the
        // page, the turn without a title, the header with one.
        page = PreviewRenderer::render({u"x"_s, u"MENUITEM|TASK_PAGE12|"_s, u"MENUPAGE|TASK_PAGE12|Extras 12|"_s,
                                           item(u"SHOW_MAP"_s), item(u"ZOOM_IN"_s)},
            11, Buttons, {});
        QCOMPARE(page.title, u"Extras 12"_s);
        QCOMPARE(commands(page).first(), u"show_map"_s);

        page = PreviewRenderer::render(
            {u"x"_s, u"MENUITEM|TASK_PAGE12|"_s, item(u"SHOW_MAP"_s), item(u"A"_s)}, 0, Buttons, {});
        QCOMPARE(page.title, std::nullopt);
        QCOMPARE(commands(page).first(), u"show_map"_s);

        // A "|" in the title is just a character of it.
        page = PreviewRenderer::render(
            {u"x"_s, u"MENUPAGE|TASK_PAGE1|Ein|Aus 1|"_s, item(u"SHOW_MAP"_s)}, 0, Buttons, {});
        QCOMPARE(page.title, u"Ein|Aus 1"_s);
    }

    void pagesAreFoundAndCutOff()
    {
        QStringList records = {u"x"_s, u"MENUPAGE|TASK_PAGE1|Eins 1|"_s};
        for (int i = 0; i < 7; ++i)
            records << item(u"SHOW_MAP"_s);
        records << item(u"PAGE3"_s) << u"MENUPAGE|TASK_PAGE3|Drei 3|"_s << item(u"ZOOM_IN"_s) << item(u"NAVIGATE_TO"_s);

        // Eight items: six are shown, and the page keeps its number.
        RenderedPage page = PreviewRenderer::render(records, 0, Buttons, {});
        QCOMPARE(commands(page).count(u"show_map"_s), 6);
        QCOMPARE(page.previewPage, 1);

        // Asking for page 2 shows page 3, the next one there is.
        page = PreviewRenderer::render(records, 2, Buttons, {});
        QCOMPARE(page.title, u"Drei 3"_s);
        QCOMPARE(page.previewPage, 0);
        QCOMPARE(commands(page).mid(0, 3), (QStringList{u"zoom_in"_s, u"navigate_to"_s, u"-"_s}));

        // Beyond the last page: nothing changes.
        page = PreviewRenderer::render(records, 4, Buttons, {});
        QCOMPARE(page.title, std::nullopt);
        QCOMPARE(page.previewPage, 4);
        QCOMPARE(commands(page), QStringList(6, u"-"_s));

        // A page ends at the next header.
        page = PreviewRenderer::render({u"x"_s, u"MENUPAGE|TASK_PAGE1|A 1|"_s, item(u"ZOOM_IN"_s),
                                           u"MENUPAGE|TASK_PAGE2|B 2|"_s, item(u"SHOW_MAP"_s)},
            0, Buttons, {});
        QCOMPARE(commands(page), (QStringList{u"zoom_in"_s, u"-"_s, u"-"_s, u"-"_s, u"-"_s, u"-"_s}));
        QCOMPARE(page.previewPage, 1);
    }

    void theFirstRecordAndATrailingHeaderDrawNothing()
    {
        // Record 0 is the block line's place, even when it holds a header or an item.
        RenderedPage page
            = PreviewRenderer::render({u"MENUPAGE|TASK_PAGE1|A 1|"_s, item(u"SHOW_MAP"_s)}, 0, Buttons, {});
        QCOMPARE(page.title, std::nullopt);
        QCOMPARE(commands(page), QStringList(6, u"-"_s));
        page = PreviewRenderer::render(
            {item(u"SHOW_MAP"_s), u"MENUPAGE|TASK_PAGE1|A 1|"_s, item(u"ZOOM_IN"_s)}, 0, Buttons, {});
        QCOMPARE(commands(page).first(), u"zoom_in"_s);

        page = PreviewRenderer::render(
            {u"x"_s, u"MENUPAGE|TASK_PAGE1|A 1|"_s, item(u"ZOOM_IN"_s), u"MENUPAGE|TASK_PAGE2|B 2|"_s}, 2, Buttons, {});
        QCOMPARE(page.title, u"B 2"_s);
        QCOMPARE(page.previewPage, 2);
        QCOMPARE(commands(page), QStringList(6, u"-"_s));
    }

    void buttonsMatchInAnyCaseCaptionsOnlyExactly()
    {
        const QStringList buttons = {u"Navigate_To.gif"_s, u"navigate_to.gif"_s};
        const QStringList vocabulary
            = {vocabularyLine(u"navigate_to"_s, u"klein"_s), vocabularyLine(u" Navigate_To"_s, u"Groß"_s)};
        const QStringList records = {u"x"_s, u"MENUPAGE|TASK_PAGE1|A 1|"_s, item(u"NAVIGATE_TO"_s)};
        RenderedPage page = PreviewRenderer::render(records, 0, buttons, vocabulary);
        QCOMPARE(page.places[0].pictureFile, u"Navigate_To.gif"_s);
        QCOMPARE(page.places[0].command, u"Navigate_To"_s);
        QCOMPARE(page.places[0].caption, u"Groß"_s);

        // A line too short for a caption ends the search.
        page = PreviewRenderer::render(records, 0, buttons, {u"short"_s, vocabulary.at(1)});
        QCOMPARE(page.places[0].caption, std::nullopt);
    }

    void commandsWithoutAButtonFileNameThemselves()
    {
        const QStringList records = {u"x"_s, u"MENUPAGE|TASK_PAGE1|A 1|"_s, item(u"Ping_Home"_s), item(u"PAGE2"_s),
            u"MENUPAGE|TASK_PAGE2|B 2|"_s, item(u"ZOOM_IN"_s)};
        const QStringList buttons = {u"zoom_in.gif"_s, u"zz_last.gif"_s};
        RenderedPage page = PreviewRenderer::render(records, 0, buttons, {vocabularyLine(u"zz_last"_s, u"Z"_s)});
        // Not the last file's picture: the template, the command as written.
        QVERIFY(page.places[0].drawn);
        QCOMPARE(page.places[0].pictureFile, std::nullopt);
        QCOMPARE(page.places[0].caption, u"Ping_Home"_s);
        QCOMPARE(page.places[0].command, u"Ping_Home"_s);
        // A page turn without page.gif still turns the page.
        QCOMPARE(page.places[1].pictureFile, std::nullopt);
        QCOMPARE(page.places[1].command, u"PAGE"_s);

        // With no buttons at all every item is drawn that way.
        page = PreviewRenderer::render(records, 2, {}, {});
        QCOMPARE(page.places[0].command, u"ZOOM_IN"_s);
        QCOMPARE(page.places[0].pictureFile, std::nullopt);
    }

    void shortRecordsDrawAnEmptyCommand()
    {
        const RenderedPage page = PreviewRenderer::render(
            {u"x"_s, u"MENUPAGE|TASK_PAGE1|A 1|"_s, u""_s, u"MENUITEM"_s, u"MENUITEM|TASK_"_s}, 0, {u"gif"_s}, {});
        QCOMPARE(commands(page), (QStringList{u""_s, u""_s, u""_s, u"-"_s, u"-"_s, u"-"_s}));
        QCOMPARE(page.places[0].pictureFile, std::nullopt);
        QCOMPARE(page.previewPage, 0);
    }
};

QTEST_GUILESS_MAIN(TestPreviewRenderer)
#include "tst_previewrenderer.moc"
