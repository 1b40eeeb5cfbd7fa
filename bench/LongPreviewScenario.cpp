#include "BenchFolder.h"
#include "common/ClickableImage.h"
#include "EventLoop.h"
#include "model/MenuRecords.h"
#include "preview/PreviewController.h"
#include "preview/PreviewRenderer.h"
#include "preview/PreviewWindow.h"
#include "Scenarios.h"
#include "ShownWindow.h"

#include <QImageReader>
#include <QLabel>
#include <QPushButton>

#include <array>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int Records = 1'000'000;
constexpr int Middle = 500'000;
constexpr int Places = 6;
constexpr int CommandsPerPage = 5;
constexpr int LastTurn = 99;

// The device reads two digits of a page number: a page numbered 50,000
// reads as 50 and is found near the start. A page turn reaches the middle
// of a long menu when the pages before it carry a lower number, as all
// pages of the first half do here: they are numbered 1, and page 1's turn
// goes on to page 2, the first page after record 500,000.
QStringList menuTurningToTheMiddle(const QStringList &commands)
{
    QStringList menu;
    menu.reserve(Records);
    menu.append(MenuRecords::blockLine());
    qsizetype command = 0;
    int page = 1;
    while (menu.size() + CommandsPerPage + 2 <= Records) {
        const bool firstHalf = menu.size() < Middle;
        const QString number = QString::number(firstHalf ? 1 : page);
        menu.append(MenuRecords::pageHeader(number, firstHalf ? u"Menü"_s : u"Mitte"_s));
        for (int i = 0; i < CommandsPerPage; ++i)
            menu.append(MenuRecords::itemForButton(commands.at(command++ % commands.size()), number));
        menu.append(MenuRecords::itemForButton(u"page"_s, QString::number(firstHalf ? 2 : page + 1)));
        if (!firstHalf)
            ++page;
        else if (menu.size() >= Middle)
            page = 2;
    }
    while (menu.size() < Records)
        menu.append(MenuRecords::itemForButton(commands.at(command++ % commands.size()), {}));
    menu.last() = MenuRecords::firstPageItem();
    return menu;
}

} // namespace

Outcome Scenarios::longPreview(BenchFolder &folder, const ComparisonRunner &runner)
{
    folder.enter();
    ShownWindow shown;
    MainWindow &window = shown.window;
    shown.loadButtons(folder);
    const QStringList records = menuTurningToTheMiddle(folder.commands());
    window.state().recordList.setEntries(records);
    EventLoop::settle();
    QPushButton *showMenu = shown.child<QPushButton>(u"cmdQDButton_9"_s);

    // The six pictures of each page after the middle, as the floor decodes
    // them in turn.
    std::vector<QStringList> pageFiles;
    for (int page = 2; page < LastTurn; ++page) {
        const qsizetype opener = records.indexOf(MenuRecords::pageHeader(QString::number(page), u"Mitte"_s));
        QStringList files;
        for (qsizetype place = 0; place < Places; ++place) {
            QString command = records.at(opener + 1 + place).mid(14).chopped(1).toLower();
            if (command.startsWith(u"page"))
                command = u"page"_s;
            files.append(folder.buttonPath(command + u".gif"_s));
        }
        pageFiles.push_back(files);
    }
    std::size_t floorPage = 0;
    std::array<QImage, Places> decoded;
    ClickableImage *pageTurn = nullptr;

    Comparison comparison{
        .title = u"11. A page turn in the preview past record 500,000 of 1,000,000"_s,
        .oursDoes = u"a click on the page turn: the next page found past record 500,000, six pictures loaded, the "
                    "window's places updated"_s,
        .floorDoes = u"decode the six pictures with QImageReader"_s,
        .limit = 1.5,
        .ours = Comparison::Side::timed(
            [&] {
                emit pageTurn->clicked();
                EventLoop::settle();
            },
            // Opened anew on page 1 at first and once the page turns run out,
            // at page 99: its turn to page 100 reads as page 10.
            [&] {
                const PreviewWindow *open = shown.preview()->previewWindow();
                if (pageTurn && open && open->previewPage() < LastTurn)
                    return;
                shown.preview()->closePreview();
                showMenu->click();
                EventLoop::settle();
                pageTurn = shown.preview()->previewWindow()->findChild<ClickableImage *>(u"imgMen_5"_s);
            }),
        .floor = Comparison::Side::timed([&] {
            const QStringList &files = pageFiles.at(floorPage++ % pageFiles.size());
            for (int place = 0; place < Places; ++place)
                decoded.at(std::size_t(place)) = QImageReader(files.at(place)).read();
        }),
    };
    Outcome outcome = runner.run(comparison);

    const PreviewWindow *preview = shown.preview()->previewWindow();
    const auto *title = preview ? preview->findChild<QLabel *>(u"lblMenu"_s) : nullptr;
    if (!title || !title->text().startsWith(u"Mitte "_s) || preview->previewPage() < 2)
        outcome.failure = u"the page turns did not go past the middle"_s;
    if (outcome.failure.isEmpty())
        outcome.failure = shown.otherFailure(decoded);

    // What the page turn cost when every page was looked for from the
    // list's start.
    const ProgramState &state = window.state();
    const Timing scanning =
        runner.median(Comparison::Side::timed([&] {
                          PreviewRenderer::render(state.recordList.entries(), 2, state.buttonFiles.entries(),
                                                  state.vocabulary.entries());
                      }),
                      5);
    outcome.notes.append(u"finding the page by reading the list from its start, as every page turn did before the "
                         "page openers were kept: %1 ms for the renderer alone"_s.arg(scanning.cpuMs, 0, 'f', 1));
    return outcome;
}
