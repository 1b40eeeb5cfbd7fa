#include "BenchFolder.h"
#include "common/ClickableImage.h"
#include "EventLoop.h"
#include "library/LibraryController.h"
#include "MainWindow.h"
#include "preview/PreviewController.h"
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

// The most pages a menu can number with the two digits the device reads.
constexpr int Pages = 99;
constexpr int RecordsPerPage = 7;
constexpr int Places = 6;

} // namespace

Outcome Scenarios::preview(BenchFolder &folder, const ComparisonRunner &runner)
{
    folder.enter();
    ShownWindow shown;
    MainWindow &window = shown.window;
    shown.loadButtons(folder);
    const QStringList records = BenchFolder::menu(1 + Pages * RecordsPerPage, folder.commands());
    window.state().recordList.setEntries(records);
    shown.child<QPushButton>(u"cmdQDButton_9"_s)->click();
    EventLoop::settle();
    PreviewWindow *preview = shown.preview()->previewWindow();
    if (!preview) {
        Outcome outcome;
        outcome.title = u"5. One preview page"_s;
        outcome.failure = u"the preview did not open"_s;
        return outcome;
    }
    // Place 5 of every page is its page turn.
    ClickableImage *pageTurn = preview->findChild<ClickableImage *>(u"imgMen_5"_s);

    // The six pictures of every page, as the floor decodes them.
    std::vector<QStringList> pageFiles(Pages);
    for (int page = 0; page < Pages; ++page) {
        for (int place = 0; place < Places; ++place) {
            const QString &record = records.at(2 + page * RecordsPerPage + place);
            QString command = record.mid(14).chopped(1).toLower();
            if (command.startsWith(u"page"))
                command = u"page"_s;
            pageFiles.at(std::size_t(page)).append(folder.buttonPath(command + u".gif"_s));
        }
    }
    std::size_t floorPage = 1;
    std::array<QImage, Places> decoded;

    Comparison comparison{
        .title = u"5. One preview page, a menu of 99 pages"_s,
        .oursDoes = u"a click on the page turn: RenderPreviewPage, six pictures loaded, the window's places updated"_s,
        .floorDoes = u"decode the six pictures with QImageReader"_s,
        .limit = 1.5,
        .ours = Comparison::Side::timed([&] {
            emit pageTurn->clicked();
            EventLoop::settle();
        }),
        .floor = Comparison::Side::timed([&] {
            const QStringList &files = pageFiles.at(floorPage++ % pageFiles.size());
            for (int place = 0; place < Places; ++place)
                decoded.at(std::size_t(place)) = QImageReader(files.at(place)).read();
        }),
    };
    Outcome outcome = runner.run(comparison);

    const QLabel *title = preview->findChild<QLabel *>(u"lblMenu"_s);
    if (!title || !title->text().startsWith(u"Menü "_s))
        outcome.failure = u"the preview shows no page title"_s;
    for (int place = 0; place < Places; ++place) {
        const auto *image = preview->findChild<ClickableImage *>(u"imgMen_%1"_s.arg(place));
        if (!image || !image->isVisible() || image->pixmap().size() != QSize(80, 50))
            outcome.failure = u"place %1 of the preview shows no picture"_s.arg(place);
    }
    if (outcome.failure.isEmpty())
        outcome.failure = shown.otherFailure(decoded);
    return outcome;
}
