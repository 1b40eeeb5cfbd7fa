// The checker and the preview read pages alike: for random menus, every
// page the checker counts is the page the preview draws for its number,
// with the same title and the same places, cut at six.

#include "check/MenuCheck.h"
#include "check/MenuPages.h"
#include "model/RecordFields.h"
#include "preview/PreviewRenderer.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QStringList Commands{u"NAVIGATE_TO"_s, u"SHOW_MAP"_s, u"SET_VOLUME"_s, u"ABOUT"_s, u"X"_s};
const QStringList Titles{u"Optionen"_s, u""_s, u"Karte und Route"_s, u"A"_s};

// A menu as the builder makes it, of up to 14 pages with up to 8 commands
// each (so some pages overflow and some carry none), two-digit pages and
// their 21-character page turns included.
QStringList randomMenu(QRandomGenerator &random)
{
    QStringList records{u"MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|"_s};
    const int pages = random.bounded(1, 15);
    for (int page = 1; page <= pages; ++page) {
        const QString title = Titles.at(random.bounded(Titles.size()));
        records << u"MENUPAGE|TASK_PAGE%1|%2 %1|"_s.arg(page).arg(title);
        const int commands = random.bounded(9);
        for (int i = 0; i < commands; ++i)
            records << u"MENUITEM|TASK_"_s + Commands.at(random.bounded(Commands.size())) + u'|';
        records << u"MENUITEM|TASK_PAGE%1|"_s.arg(page == pages ? 1 : page + 1);
    }
    return records;
}

bool reportsOverflow(const QList<CheckFinding> &findings, const MenuPage &page)
{
    const QString text =
        u"Seite %1 hat %2 Plätze; das Gerät zeigt nur die ersten sechs."_s.arg(page.number).arg(page.placeCount());
    return std::any_of(findings.cbegin(), findings.cend(), [&](const CheckFinding &f) { return f.text == text; });
}

} // namespace

class TestCheckAgreement : public QObject
{
    Q_OBJECT

private slots:
    void pagesAndPlacesAsThePreviewDrawsThem();
};

void TestCheckAgreement::pagesAndPlacesAsThePreviewDrawsThem()
{
    QRandomGenerator random(20);
    for (int round = 0; round < 400; ++round) {
        const QStringList records = randomMenu(random);
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
                if (!expected)
                    continue;
                const QString &record = records.at(page.firstPlace + place);
                QCOMPARE(drawn.places.at(place).command,
                         RecordFields::command(record, RecordFields::pageNumber(record)).toString());
            }
            // The page after the drawn one is where the checker's page ends.
            if (page.placeCount() <= RenderedPage::PlaceCount && page.end < records.size())
                QVERIFY2(drawn.previewPage == page.number, qPrintable(menu));
            QCOMPARE(reportsOverflow(findings, page), page.placeCount() > RenderedPage::PlaceCount);
        }
    }
}

QTEST_GUILESS_MAIN(TestCheckAgreement)
#include "tst_checkagreement.moc"
