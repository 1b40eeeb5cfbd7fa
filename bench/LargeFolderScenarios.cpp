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
#include <QEvent>
#include <QLabel>
#include <QPushButton>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int PagedFiles = 10'000;
constexpr int ReleasedFiles = 10'000;

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

// The batch shown last: every button of it with its picture and number.
QString batchFailure(const LoadedWindow &loaded)
{
    const ButtonField &field = loaded.shown.buttonField();
    const int batch = loaded.shown.library()->paging().batch();
    for (int member = 1; member <= field.count(); ++member) {
        const bool inBatch =
            member >= ButtonPaging::firstMember(batch) && member <= ButtonPaging::lastMember(batch, field.count());
        const ClickableImage *image = field.image(member);
        if (image->isVisibleTo(loaded.shown.window.centralWidget()) != inBatch
            || (inBatch && image->pixmap().size() != QSize(80, 50)))
            return u"button %1 is not shown as it should be"_s.arg(member);
    }
    return loaded.shown.dialogs.unexpectedMessages();
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
    const QString large = folder.makeButtonFolder(u"zehntausend_leer"_s, ReleasedFiles, false);
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
        Comparison choose{
            .title = u"17. \"&Ordner Wählen\" after 10,000 buttons"_s,
            .oursDoes = u"the menu command: 10,000 images and 10,000 labels released, the folder and drive lists "
                        "shown"_s,
            .floorDoes = u"delete 20,000 bare QLabels on a plain widget"_s,
            .limit = 1.5,
            .ours = Comparison::Side::timed(
                [&] {
                    chooseFolder->trigger();
                    EventLoop::settle();
                },
                // As "OK" in the file list leaves it: the folder may be chosen anew.
                [&] {
                    folder.enter();
                    library->acceptButtonFiles(names);
                    chooseFolder->setEnabled(true);
                    EventLoop::settle();
                },
                [&] {
                    if (shown.buttonField().count() != 0 || !window.state().buttonFiles.isEmpty())
                        failure = u"the buttons were not released"_s;
                }),
            .floor = Comparison::Side::timed(
                [&] {
                    bare.holder.reset();
                    EventLoop::settle();
                },
                [&] { bare.create(area, ReleasedFiles); }),
        };
        outcomes.append(runner.run(choose));
        outcomes.last().failure = failure.isEmpty() ? shown.dialogs.unexpectedMessages() : failure;
    }

    if (accepting) {
        failure.clear();
        Comparison accept{
            .title = u"18. \"OK\" in the file list for 10,000 files"_s,
            .oursDoes = u"the click: the names taken over, 10,000 images and 10,000 labels made from the "
                        "templates, the file list closed and deleted"_s,
            .floorDoes = u"create 20,000 bare QLabels on a plain widget"_s,
            .limit = 1.5,
            .ours = Comparison::Side::timed(
                [&] {
                    library->fileList()->findChild<QPushButton *>(u"cmdFileList_0"_s)->click();
                    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                    EventLoop::settle();
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
                    bare.create(area, ReleasedFiles);
                    EventLoop::settle();
                },
                {}, [&] { bare.holder.reset(); }),
        };
        outcomes.append(runner.run(accept));
        outcomes.last().failure = failure.isEmpty() ? shown.dialogs.unexpectedMessages() : failure;
    }
    return outcomes;
}
