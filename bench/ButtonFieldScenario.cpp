#include "BenchFolder.h"
#include "EventLoop.h"
#include "library/ButtonField.h"
#include "library/LibraryController.h"
#include "MainWindow.h"
#include "Scenarios.h"
#include "ShownWindow.h"

#include <QAction>
#include <QLabel>

#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int Files = 1000;

} // namespace

Outcome Scenarios::buttonField(BenchFolder &folder, const ComparisonRunner &runner)
{
    folder.enter();
    ShownWindow shown;
    MainWindow &window = shown.window;
    LibraryController *library = shown.library();
    QWidget *area = shown.child(u"Picture1"_s);

    QStringList names;
    for (int i = 1; i <= Files; ++i)
        names.append(u"knopf_%1.gif"_s.arg(i, 4, 10, QChar(u'0')));
    int created = 0;

    Comparison comparison{
        .title = u"4. AcceptButtonFiles for 1,000 files, then ReleaseButtonField"_s,
        .oursDoes = u"1,000 members listed, then released (a member's image and label are made when its "
                    "batch is first shown)"_s,
        .floorDoes = u"create and delete 1,000 bare QLabel pairs on a parent"_s,
        .limit = 1.5,
        .ours = Comparison::Side::timed(
            [&] {
                library->acceptButtonFiles(names);
                created = shown.buttonField().count();
                library->releaseButtonField();
                window.state().buttonFiles.clear();
                EventLoop::settle();
            },
            {},
            // As after "&Ordner Wählen": the next folder may be loaded.
            [&] { shown.child<QAction>(u"mnuBLaden"_s)->setEnabled(true); }),
        .floor = Comparison::Side::timed([&] {
            std::vector<QLabel *> labels;
            labels.reserve(2 * Files);
            for (int i = 0; i < Files; ++i) {
                labels.push_back(new QLabel(area));
                labels.push_back(new QLabel(area));
            }
            qDeleteAll(labels);
            EventLoop::settle();
        }),
    };
    Outcome outcome = runner.run(comparison);
    if (created != Files || shown.buttonField().count() != 0)
        outcome.failure = u"%1 buttons were made, %2 are left"_s.arg(created).arg(shown.buttonField().count());
    else
        outcome.failure = shown.dialogs.unexpectedMessages();
    return outcome;
}
