#include "BenchFolder.h"
#include "EventLoop.h"
#include "model/EntryListModel.h"
#include "overview/OverviewController.h"
#include "overview/OverviewWindow.h"
#include "overview/PageGridView.h"
#include "preview/PagePainter.h"
#include "Scenarios.h"
#include "ShownWindow.h"

#include <QAction>
#include <QImage>
#include <QPainter>
#include <QScrollBar>

#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int Records = 1'000'000;

// What both floors paint: the pages the overview shows, ready to draw
// (their pictures loaded, their texts found), through the page painter at
// the places the overview's grid gives them, onto a picture of the
// window's size or a bare window. Nothing else: no page numbers, no
// page-turn marks.
class PagesAlone
{
public:
    PagesAlone(OverviewWindow &overview, int first, int last)
        : m_size(overview.size())
    {
        const PageGrid grid = overview.view()->grid();
        for (int index = first; index <= last; ++index) {
            m_pages.push_back(overview.pages().shown(index));
            m_rects.push_back(grid.pageRect(index).translated(0, -grid.cellRect(first).top()));
        }
    }

    int count() const { return static_cast<int>(m_pages.size()); }

    QSize size() const { return m_size; }

    void paint()
    {
        m_image = QImage(m_size, QImage::Format_ARGB32_Premultiplied);
        m_image.fill(Qt::white);
        QPainter painter(&m_image);
        paint(painter);
    }

    void paint(QPainter &painter) const
    {
        for (std::size_t page = 0; page < m_pages.size(); ++page) {
            painter.save();
            painter.translate(m_rects.at(page).topLeft());
            PagePainter::paint(painter, m_pages.at(page));
            painter.restore();
        }
    }

    bool painted() const { return !m_image.isNull(); }

private:
    QSize m_size;
    std::vector<ShownPage> m_pages;
    std::vector<QRect> m_rects;
    QImage m_image;
};

// Any program that opens a window of pages pays for the window: a bare
// one of the overview's size, the same pages painted on it. Brought to
// the front as the overview is, so that the main window, no longer the
// active one, draws itself again on both sides.
class PagesWindow : public QWidget
{
public:
    explicit PagesWindow(const PagesAlone &pages)
        : m_pages(pages)
    {
        resize(pages.size());
    }

    int paints = 0;

protected:
    void paintEvent(QPaintEvent * /*event*/) override
    {
        QPainter painter(this);
        m_pages.paint(painter);
        ++paints;
    }

private:
    const PagesAlone &m_pages;
};

std::pair<int, int> pagesInSight(const PageGridView &view)
{
    const int top = view.verticalScrollBar()->value();
    return view.grid().pagesBetween(top, top + view.viewport()->height() - 1);
}

// The overview opened on the long menu, its first pages drawn.
OverviewWindow *openOverview(ShownWindow &shown, QAction *action)
{
    action->trigger();
    EventLoop::settle();
    OverviewController *controller = shown.child<OverviewController>(u"overviewController"_s);
    return controller ? controller->overviewWindow() : nullptr;
}

Outcome opening(ShownWindow &shown, const ComparisonRunner &runner)
{
    const QString title = u"19. Opening \"Menü-Übersicht\" on 1,000,000 records"_s;
    auto *action = shown.child<QAction>(u"mnuEUebersicht"_s);
    auto *controller = shown.child<OverviewController>(u"overviewController"_s);
    OverviewWindow *overview = openOverview(shown, action);
    if (!overview) {
        Outcome failed;
        failed.title = title;
        failed.failure = u"the overview did not open"_s;
        return failed;
    }
    const auto [first, last] = pagesInSight(*overview->view());
    PagesAlone pages(*overview, first, last);
    const int pageCount = overview->pages().count();
    controller->closeOverview();
    EventLoop::settle();

    QString failure;
    const auto closeAndCheck = [&] {
        OverviewWindow *open = controller->overviewWindow();
        if (!open || !open->isVisible() || open->pages().count() != pageCount
            || pagesInSight(*open->view()) != std::pair(first, last))
            failure = u"the overview did not show the first pages"_s;
        controller->closeOverview();
        EventLoop::settle();
    };
    const auto open = [&] {
        action->trigger();
        EventLoop::settle();
    };
    std::unique_ptr<PagesWindow> floorWindow;
    Comparison comparison{
        .title = title,
        .oursDoes = u"F8 on the list last shown: the overview made and shown with the pages in sight"_s,
        .floorDoes = u"a bare window of the overview's size shown in front, as many pages, ready to draw, "
                     "painted on it through the page painter"_s,
        .limit = 1.5,
        .ours = Comparison::Side::timed(open, {}, closeAndCheck),
        .floor = Comparison::Side::timed(
            [&] {
                floorWindow = std::make_unique<PagesWindow>(pages);
                floorWindow->show();
                floorWindow->activateWindow();
                EventLoop::settle();
            },
            {},
            [&] {
                if (floorWindow->paints == 0)
                    failure = u"the floor's window painted nothing"_s;
                floorWindow.reset();
                EventLoop::settle();
            }),
    };
    Outcome outcome = runner.run(comparison);
    outcome.paintingIncluded = true;
    outcome.notes.append(u"%1 pages in sight, %2 pages in the menu"_s.arg(pages.count()).arg(pageCount));

    // The pages are found once a change of the list: the first F8 after
    // one reads the whole list.
    EntryListModel &list = shown.window.state().recordList;
    const Timing afterChange = runner.median(Comparison::Side::timed(
                                                 open,
                                                 [&] {
                                                     list.append(list.at(0));
                                                     list.remove(list.count() - 1);
                                                     EventLoop::settle();
                                                 },
                                                 closeAndCheck),
                                             5);
    outcome.notes.append(u"F8 after a change of the list (every page found again, the pages in sight drawn "
                         "anew): %1 ms"_s.arg(afterChange.cpuMs, 0, 'f', 1));
    const Timing imageAlone = runner.median(Comparison::Side::timed([&] { pages.paint(); }), 11);
    outcome.notes.append(
        u"painting the %1 pages alone onto a picture of the window's size, no window: %2 ms"_s.arg(pages.count())
            .arg(imageAlone.cpuMs, 0, 'f', 3));
    outcome.failure = !failure.isEmpty() ? failure
                      : !pages.painted() ? u"the floor painted nothing"_s
                                         : shown.dialogs.unexpectedMessages();
    return outcome;
}

Outcome scrolling(ShownWindow &shown, const ComparisonRunner &runner)
{
    OverviewWindow *overview = openOverview(shown, shown.child<QAction>(u"mnuEUebersicht"_s));
    if (!overview) {
        Outcome failed;
        failed.title = u"20. A scroll step in \"Menü-Übersicht\" on 1,000,000 records"_s;
        failed.failure = u"the overview did not open"_s;
        return failed;
    }
    PageGridView &view = *overview->view();
    QScrollBar *bar = view.verticalScrollBar();
    // From the middle of the menu downwards: each step a little further,
    // now and then a row of pages that was never drawn before.
    const int middle = overview->pages().count() / 2;
    bar->setValue(view.grid().cellRect(middle).top() - PageGrid::Spacing);
    EventLoop::settle();
    const auto [first, last] = pagesInSight(view);
    PagesAlone floor(*overview, first, last);
    const int startedAt = bar->value();

    Comparison comparison{
        .title = u"20. A scroll step in \"Menü-Übersicht\" on 1,000,000 records"_s,
        .oursDoes = u"one step of the scroll bar down from page %1: what stays in sight moved, the band that "
                    "comes into sight drawn, a row never in sight before drawn first"_s.arg(middle + 1),
        .floorDoes = u"paint as many pages, ready to draw, through the page painter onto a picture of the "
                     "window's size"_s,
        .limit = 1.5,
        .ours = Comparison::Side::timed([&] {
            bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            EventLoop::settle();
        }),
        .floor = Comparison::Side::timed([&] { floor.paint(); }),
    };
    Outcome outcome = runner.run(comparison);
    outcome.paintingIncluded = true;
    const int steps = bar->singleStep() > 0 ? (bar->value() - startedAt) / bar->singleStep() : 0;
    outcome.notes.append(u"%1 pages in sight, one step %2 pixels; %3 steps taken"_s.arg(floor.count())
                             .arg(bar->singleStep())
                             .arg(steps));
    if (steps < outcome.measured.runs)
        outcome.failure = u"the overview did not scroll"_s;
    else if (!floor.painted())
        outcome.failure = u"the floor painted nothing"_s;
    else
        outcome.failure = shown.dialogs.unexpectedMessages();
    return outcome;
}

} // namespace

QList<Outcome> Scenarios::overview(BenchFolder &folder, const ComparisonRunner &runner, bool opens, bool scrolls)
{
    folder.enter();
    ShownWindow shown;
    shown.loadButtons(folder);
    shown.window.state().recordList.setEntries(BenchFolder::menu(Records, folder.commands()));
    EventLoop::settle();
    QList<Outcome> outcomes;
    if (opens)
        outcomes.append(opening(shown, runner));
    if (scrolls)
        outcomes.append(scrolling(shown, runner));
    return outcomes;
}
