#include "BenchApplication.h"
#include "BenchFolder.h"
#include "Comparison.h"
#include "MachineInfo.h"
#include "PeakMemory.h"
#include "PerformanceReport.h"
#include "Scenarios.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

constexpr int MinimumRuns = 11;
constexpr int MaximumRuns = 1001;

QtMessageHandler qtHandler = nullptr;

// The offscreen platform cannot raise a window, and says so each time the
// preview opens; the run's output has better things to say.
void quietAboutRaise(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message == u"This plugin does not support raise()")
        return;
    if (qtHandler)
        qtHandler(type, context, message);
}

void print(const QString &text)
{
    std::fputs(qPrintable(text), stdout);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    // The same platform for every run, whatever the desktop: the figures
    // are comparable from run to run and need no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qtHandler = qInstallMessageHandler(quietAboutRaise);
    if (argc > 1 && std::strcmp(argv[1], Scenarios::StartUpChildOption) == 0)
        return Scenarios::startUpChild(argc, argv);
    BenchApplication app(argc, argv);

    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1 && arguments.at(1) == QLatin1String(PeakMemory::ChildOption))
        return PeakMemory::runChild(arguments.mid(2));

    QCommandLineParser parser;
    parser.setApplicationDescription(u"Times our hot paths against their floors."_s);
    parser.addHelpOption();
    const QCommandLineOption reportOption(u"report"_s, u"Write the table as Markdown to <file>."_s, u"file"_s);
    const QCommandLineOption secondsOption(u"seconds"_s, u"About <seconds> of timed runs per scenario (default 4)."_s,
                                           u"seconds"_s, u"4"_s);
    const QCommandLineOption onlyOption(
        u"only"_s, u"Run only the scenarios numbered in <list>, such as 2,5 (for profiling)."_s, u"list"_s);
    parser.addOption(reportOption);
    parser.addOption(secondsOption);
    parser.addOption(onlyOption);
    parser.process(app);
    // Resolved now: the scenarios move the current directory about.
    const QString reportPath =
        parser.isSet(reportOption) ? QDir().absoluteFilePath(parser.value(reportOption)) : QString();
    const double seconds = std::max(0.5, parser.value(secondsOption).toDouble());

    const QString machine = MachineInfo::summary();
    print(u"Machine: "_s + machine + u"\n\n"_s);
    BenchFolder folder;
    if (!folder.isValid()) {
        print(u"Cannot prepare the working folder: "_s + folder.error() + u'\n');
        return 2;
    }

    const ComparisonRunner runner(seconds, MinimumRuns, MaximumRuns, &BenchApplication::painting);
    PerformanceReport report(machine, seconds);
    const auto add = [&report](const Outcome &outcome) {
        report.add(outcome);
        const Measured &m = outcome.measured;
        const QString unit = outcome.unit.isEmpty() ? u"ms"_s : outcome.unit;
        print(u"%1: ours %2 %7, floor %3 %7, ratio %4 (by the clock %5 / %6 %7)\n"_s.arg(outcome.title)
                  .arg(m.ours.cpuMs, 0, 'f', 3)
                  .arg(m.floor.cpuMs, 0, 'f', 3)
                  .arg(m.ratio(), 0, 'f', 2)
                  .arg(m.ours.wallMs, 0, 'f', 3)
                  .arg(m.floor.wallMs, 0, 'f', 3)
                  .arg(unit));
    };
    const QStringList only = parser.value(onlyOption).split(u',', Qt::SkipEmptyParts);
    const auto wanted = [&only](int scenario) { return only.isEmpty() || only.contains(QString::number(scenario)); };
    if (wanted(1) || wanted(2)) {
        for (const Outcome &outcome : Scenarios::menuFiles(folder, runner, wanted(1), wanted(2)))
            add(outcome);
    }
    if (wanted(3))
        add(Scenarios::paging(folder, runner));
    if (wanted(4))
        add(Scenarios::buttonField(folder, runner));
    if (wanted(5))
        add(Scenarios::preview(folder, runner));
    if (wanted(6)) {
        add(Scenarios::startUp(folder, runner));
        // Where the start-up's time goes, counted with callgrind: too slow
        // to count on every run.
        QFile analysis(QDir(QStringLiteral(TASTWERK_SOURCE_DIR)).filePath(u"bench/StartupResidual.md"_s));
        if (analysis.open(QIODevice::ReadOnly))
            report.addSection(QString::fromUtf8(analysis.readAll()));
    }

    if (wanted(7) || wanted(8) || wanted(9) || wanted(10) || wanted(12) || wanted(13) || wanted(14)) {
        for (const Outcome &outcome : Scenarios::longMenu(folder, runner, wanted))
            add(outcome);
    }
    if (wanted(11))
        add(Scenarios::longPreview(folder, runner));
    if (wanted(15))
        add(Scenarios::peakMemory(folder));
    if (wanted(16))
        add(Scenarios::largeFolderPaging(folder, runner));
    if (wanted(17) || wanted(18)) {
        for (const Outcome &outcome : Scenarios::largeFolder(folder, runner, wanted(17), wanted(18)))
            add(outcome);
    }
    if (wanted(19) || wanted(20)) {
        // Drawing the pages is what the overview is for: its painting counts.
        const ComparisonRunner painting(seconds, MinimumRuns, MaximumRuns, {});
        for (const Outcome &outcome : Scenarios::overview(folder, painting, wanted(19), wanted(20)))
            add(outcome);
    }
    // What the scenarios of long menus and large folders found, written
    // down once they were fixed, and what the test of the undo history's
    // memory measured: not timed here, but kept beside the rest so that a
    // run of the bench does not drop it.
    for (const QString &section : {u"bench/LongMenus.md"_s, u"bench/Overview.md"_s, u"bench/UndoMemory.md"_s}) {
        QFile causes(QDir(QStringLiteral(TASTWERK_SOURCE_DIR)).filePath(section));
        if (causes.open(QIODevice::ReadOnly))
            report.addSection(QString::fromUtf8(causes.readAll()));
    }

    print(u'\n' + report.consoleText());
    if (!reportPath.isEmpty()) {
        if (!report.write(reportPath)) {
            print(u"Cannot write "_s + reportPath + u'\n');
            return 2;
        }
        print(u"Written to "_s + reportPath + u'\n');
    }
    // A missed ratio is the table's news; only a scenario whose own side
    // failed makes the run fail.
    if (!report.allMet())
        print(u"Not every ratio is met.\n"_s);
    return report.anyFailed() ? 1 : 0;
}
