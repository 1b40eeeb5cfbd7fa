#include "BenchFolder.h"
#include "common/ClickableImage.h"
#include "EventLoop.h"
#include "library/ButtonField.h"
#include "library/ButtonFileNames.h"
#include "library/ButtonFolderPath.h"
#include "library/ButtonPaging.h"
#include "library/FileListWindow.h"
#include "library/LibraryController.h"
#include "Scenarios.h"
#include "ShownWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int PagedFiles = 10'000;
constexpr int ReleasedFiles = 100'000;

// A main window with the buttons of `folder` taken over, as "OK" in the
// file list does.
struct LoadedWindow
{
    LoadedWindow(const QString &folder, const QStringList &names)
    {
        shown.window.state().buttonFolder = ButtonFolderPath::fromFolder(folder);
        shown.library()->acceptButtonFiles(names);
        EventLoop::settle();
    }
    ShownWindow shown;
    // Looked up before the members are made: finding a control by name
    // walks every widget of the window.
    QPushButton *next = shown.child<QPushButton>(u"cmdQDButton_2"_s);
};

// The batch shown last: every button of it with its picture and number,
// no other. Asked of the images made so far: asking the field for every
// member would make them all.
QString batchFailure(const LoadedWindow &loaded)
{
    const int count = loaded.shown.buttonField().count();
    const int batch = loaded.shown.library()->paging().batch();
    const int first = ButtonPaging::firstMember(batch);
    const int last = ButtonPaging::lastMember(batch, count);
    QWidget *area = loaded.shown.child(u"Picture1"_s);
    int shown = 0;
    for (const ClickableImage *image : area->findChildren<ClickableImage *>()) {
        const int member = image->objectName().section(u'_', 1).toInt();
        const bool inBatch = member >= first && member <= last;
        if (image->isVisibleTo(area) != inBatch || (inBatch && image->pixmap().size() != QSize(80, 50)))
            return u"button %1 is not shown as it should be"_s.arg(member);
        shown += inBatch ? 1 : 0;
    }
    if (shown != last - first + 1)
        return u"%1 buttons of the batch are shown, not %2"_s.arg(shown).arg(last - first + 1);
    return loaded.shown.dialogs.unexpectedMessages();
}

// The longest of the runs by the clock: while a side runs, the event loop
// does not turn and the window cannot paint.
struct LongestRun
{
    void time(const std::function<void()> &run)
    {
        QElapsedTimer timer;
        timer.start();
        run();
        longestMs = std::max(longestMs, double(timer.nsecsElapsed()) / 1e6);
    }
    double longestMs = 0;
};

QString freezeNote(const LongestRun &ours, const LongestRun &floor)
{
    return u"the longest the window went without painting, the longest run by the clock: ours %1 ms, the floor "
           "%2 ms"_s.arg(ours.longestMs, 0, 'f', 1)
               .arg(floor.longestMs, 0, 'f', 1);
}

// The floor of creating and deleting the members: bare label pairs on a
// plain widget, deleted with it.
struct BareLabels
{
    void create(QWidget *area, int pairs)
    {
        holder = std::make_unique<QWidget>(area);
        for (int i = 0; i < 2 * pairs; ++i)
            new QLabel(holder.get());
    }
    std::unique_ptr<QWidget> holder;
};

} // namespace

Outcome Scenarios::largeFolderPaging(BenchFolder &folder, const ComparisonRunner &runner)
{
    const QString large = folder.makeButtonFolder(u"zehntausend"_s, PagedFiles, true);
    LoadedWindow ours(large, ButtonFileNames::list(large));
    LoadedWindow floor(folder.buttonFolder(), folder.buttonNames());
    Comparison comparison{
        .title = u"16. One \"&Start/Weiter\" step, 10,000 buttons against 100"_s,
        .oursDoes = u"the click with a folder of 10,000 buttons loaded"_s,
        .floorDoes = u"the same click with a folder of 100 buttons loaded"_s,
        .limit = 1.5,
        .ours = Comparison::Side::timed([&] {
            ours.next->click();
            EventLoop::settle();
        }),
        .floor = Comparison::Side::timed([&] {
            floor.next->click();
            EventLoop::settle();
        }),
    };
    Outcome outcome = runner.run(comparison);
    outcome.failure = batchFailure(ours);
    if (outcome.failure.isEmpty())
        outcome.failure = batchFailure(floor);
    return outcome;
}

QList<Outcome> Scenarios::largeFolder(BenchFolder &folder, const ComparisonRunner &runner, bool choosing,
                                      bool accepting)
{
    const QString large = folder.makeButtonFolder(u"hunderttausend_leer"_s, ReleasedFiles, false);
    const QStringList names = ButtonFileNames::list(large);
    folder.enter();
    ShownWindow shown;
    MainWindow &window = shown.window;
    LibraryController *library = shown.library();
    QWidget *area = shown.child(u"Picture1"_s);
    QAction *chooseFolder = shown.child<QAction>(u"mnuBOrdnerWae"_s);
    QAction *loadButtons = shown.child<QAction>(u"mnuBLaden"_s);
    BareLabels bare;
    QString failure;
    QList<Outcome> outcomes;

    if (choosing) {
        LongestRun ours;
        LongestRun floor;
        Comparison choose{
            .title = u"17. \"&Ordner Wählen\" after 100,000 buttons"_s,
            .oursDoes = u"the menu command: 100,000 members released, the 25 of the batch shown with their images "
                        "and labels among them, the folder and drive lists shown"_s,
            .floorDoes = u"delete 200,000 bare QLabels on a plain widget"_s,
            .limit = 1.5,
            .ours = Comparison::Side::timed(
                [&] {
                    ours.time([&] {
                        chooseFolder->trigger();
                        EventLoop::settle();
                    });
                },
                // As "OK" in the file list and one "&Start/Weiter" leave it:
                // the folder may be chosen anew.
                [&] {
                    folder.enter();
                    window.state().buttonFolder = ButtonFolderPath::fromFolder(large);
                    library->acceptButtonFiles(names);
                    library->showNextBatch();
                    chooseFolder->setEnabled(true);
                    EventLoop::settle();
                },
                [&] {
                    if (shown.buttonField().count() != 0 || !window.state().buttonFiles.isEmpty())
                        failure = u"the buttons were not released"_s;
                }),
            .floor = Comparison::Side::timed(
                [&] {
                    floor.time([&] {
                        bare.holder.reset();
                        EventLoop::settle();
                    });
                },
                // Settled as ours is before it is released: a label still
                // waiting for its polish request takes Qt a search of the whole
                // queue of posted events to delete.
                [&] {
                    bare.create(area, ReleasedFiles);
                    EventLoop::settle();
                }),
        };
        outcomes.append(runner.run(choose));
        outcomes.last().notes.append(freezeNote(ours, floor));
        outcomes.last().failure = failure.isEmpty() ? shown.dialogs.unexpectedMessages() : failure;
    }

    if (accepting) {
        failure.clear();
        LongestRun ours;
        LongestRun floor;
        Comparison accept{
            .title = u"18. \"OK\" in the file list for 100,000 files"_s,
            .oursDoes = u"the click: the names taken over as 100,000 members, the file list closed and deleted (a "
                        "member's image and label are made when its batch is first shown)"_s,
            .floorDoes = u"create 200,000 bare QLabels on a plain widget"_s,
            .limit = 1.5,
            .ours = Comparison::Side::timed(
                [&] {
                    ours.time([&] {
                        library->fileList()->findChild<QPushButton *>(u"cmdFileList_0"_s)->click();
                        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                        EventLoop::settle();
                    });
                },
                [&] {
                    library->releaseButtonField();
                    window.state().buttonFiles.clear();
                    window.state().buttonFolder = ButtonFolderPath::fromFolder(large);
                    loadButtons->setEnabled(true);
                    loadButtons->trigger();
                    EventLoop::settle();
                },
                [&] {
                    if (shown.buttonField().count() != ReleasedFiles || library->fileList())
                        failure = u"%1 buttons were made"_s.arg(shown.buttonField().count());
                }),
            .floor = Comparison::Side::timed(
                [&] {
                    floor.time([&] {
                        bare.create(area, ReleasedFiles);
                        EventLoop::settle();
                    });
                },
                {}, [&] { bare.holder.reset(); }),
        };
        outcomes.append(runner.run(accept));
        outcomes.last().notes.append(freezeNote(ours, floor));
        outcomes.last().failure = failure.isEmpty() ? shown.dialogs.unexpectedMessages() : failure;
    }
    return outcomes;
}
