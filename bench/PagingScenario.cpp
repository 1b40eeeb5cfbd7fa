#include "BenchFolder.h"
#include "common/ClickableImage.h"
#include "EventLoop.h"
#include "library/ButtonField.h"
#include "library/ButtonPaging.h"
#include "library/LibraryController.h"
#include "MainWindow.h"
#include "Scenarios.h"
#include "ShownWindow.h"

#include <QImageReader>
#include <QPushButton>

#include <array>

using namespace Qt::StringLiterals;

namespace {

// With four batches "&Start/Weiter" shows 0, 1, 2, 3, 2, 1, 0, 1 …
constexpr std::array<int, 6> BatchCycle{0, 1, 2, 3, 2, 1};

} // namespace

Outcome Scenarios::paging(BenchFolder &folder, const ComparisonRunner &runner)
{
    folder.enter();
    ShownWindow shown;
    LibraryController *library = shown.loadButtons(folder);
    QPushButton *next = shown.child<QPushButton>(u"cmdQDButton_2"_s);

    std::array<QStringList, 4> batchFiles;
    for (int member = 1; member <= folder.buttonNames().size(); ++member)
        batchFiles.at(std::size_t((member - 1) / ButtonPaging::BatchSize))
            .append(folder.buttonPath(folder.buttonNames().at(member - 1)));
    std::size_t floorStep = 0;
    std::array<QImage, ButtonPaging::BatchSize> decoded;

    Comparison comparison{
        .title = u"3. One \"&Start/Weiter\" step, 100 buttons"_s,
        .oursDoes = u"the click: 25 pictures from disk, placing, tooltips, captions from the vocabulary"_s,
        .floorDoes = u"decode the same 25 files with QImageReader"_s,
        .limit = 1.5,
        .ours = Comparison::Side::timed([&] {
            next->click();
            EventLoop::settle();
        }),
        .floor = Comparison::Side::timed([&] {
            const int batch = BatchCycle.at(floorStep++ % BatchCycle.size());
            const QStringList &files = batchFiles.at(std::size_t(batch));
            for (qsizetype i = 0; i < files.size(); ++i)
                decoded.at(std::size_t(i)) = QImageReader(files.at(i)).read();
        }),
    };
    Outcome outcome = runner.run(comparison);

    // The batch shown last: every button of it with its picture and number.
    const int batch = library->paging().batch();
    ButtonField &field = shown.buttonField();
    for (int member = ButtonPaging::firstMember(batch); member <= ButtonPaging::lastMember(batch, field.count());
         ++member) {
        const ClickableImage *image = field.image(member);
        if (!image->isVisible() || image->pixmap().size() != QSize(80, 50)
            || !image->toolTip().startsWith(QString::number(member).rightJustified(3, u'0'))) {
            outcome.failure = u"button %1 is not shown as it should be"_s.arg(member);
            break;
        }
    }
    if (outcome.failure.isEmpty())
        outcome.failure = shown.otherFailure(decoded);
    return outcome;
}
