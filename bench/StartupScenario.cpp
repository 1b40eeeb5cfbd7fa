#include "BenchDialogs.h"
#include "BenchFolder.h"
#include "EventLoop.h"
#include "MainWindow.h"
#include "Scenarios.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMainWindow>
#include <QProcess>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

using namespace Qt::StringLiterals;

namespace {

constexpr int ChildTimeoutMs = 60'000;

// Counts the paint events of one widget: a window counts as shown once it
// has been painted.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget)
        : QObject(widget)
    {
        widget->installEventFilter(this);
    }
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

qint64 monotonicNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The process's processor time so far (user and system, all threads) and
// the pages it has faulted in: on a virtual machine a fresh page of memory
// can cost as much as some ten thousand instructions.
struct Usage
{
    double cpuMs = 0;
    double faults = 0;
};

Usage processUsage()
{
#ifdef Q_OS_UNIX
    rusage usage{};
    if (getrusage(RUSAGE_SELF, &usage) == 0) {
        const auto ms = [](const timeval &time) { return double(time.tv_sec) * 1e3 + double(time.tv_usec) / 1e3; };
        return {ms(usage.ru_utime) + ms(usage.ru_stime), double(usage.ru_minflt + usage.ru_majflt)};
    }
#endif
    return {};
}

// The steps of a start-up, each timed apart in the child.
constexpr int PhaseCount = 4;
const char *const PhaseNames[PhaseCount] = {
    "from the launch to main() (the same program, loading its libraries)",
    "the application object",
    "the window built",
    "the window sized, shown and painted",
};

struct ChildRun
{
    Timing timing{-1, -1};
    Usage phases[PhaseCount];
};

// One start-up in a fresh process of this program, from the launch to the
// first paint; negative times when it failed.
ChildRun startInChild(const QString &folder, const char *side)
{
    ChildRun run;
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {QString::fromLatin1(Scenarios::StartUpChildOption), QString::fromLatin1(side), folder,
                 QString::number(monotonicNs())});
    if (!child.waitForFinished(ChildTimeoutMs) || child.exitCode() != 0)
        return run;
    const QStringList fields = QString::fromLatin1(child.readAllStandardOutput()).simplified().split(u' ');
    if (fields.size() != 2 + 2 * PhaseCount)
        return run;
    run.timing = {fields.at(0).toDouble(), fields.at(1).toDouble()};
    for (int i = 0; i < PhaseCount; ++i)
        run.phases[i] = {fields.at(2 + 2 * i).toDouble(), fields.at(3 + 2 * i).toDouble()};
    return run;
}

// The runs of one side, step by step.
class PhaseLog
{
public:
    void add(const ChildRun &run)
    {
        for (int i = 0; i < PhaseCount; ++i) {
            m_cpuMs[i].push_back(run.phases[i].cpuMs);
            m_faults[i].push_back(run.phases[i].faults);
        }
    }
    Usage median(int phase) const
    {
        return {ComparisonRunner::median(m_cpuMs[phase]), ComparisonRunner::median(m_faults[phase])};
    }

private:
    std::vector<double> m_cpuMs[PhaseCount];
    std::vector<double> m_faults[PhaseCount];
};

} // namespace

int Scenarios::startUpChild(int &argc, char **argv)
{
    if (argc != 5)
        return 2;
    const bool ours = std::strcmp(argv[2], "ours") == 0;
    const bool text = std::strcmp(argv[2], "text") == 0;
    const qint64 launchedNs = QByteArray(argv[4]).toLongLong();
    Usage marks[PhaseCount + 1] = {{}, processUsage()};
    QApplication app(argc, argv);
    marks[2] = processUsage();
    QDir::setCurrent(QString::fromLocal8Bit(argv[3]));
    BenchDialogs dialogs;
    std::unique_ptr<QMainWindow> window;
    if (ours) {
        window = std::make_unique<MainWindow>(dialogs);
        marks[3] = processUsage();
        auto *counter = new PaintCounter(window.get());
        EventLoop::showAsTheProgramDoes(*window);
        if (counter->paints == 0 || static_cast<MainWindow *>(window.get())->state().vocabulary.count() != 74)
            return 1;
    } else {
        window = std::make_unique<QMainWindow>();
        if (text)
            window->setCentralWidget(new QLabel(u"QD5 Tastwerk"_s, window.get()));
        marks[3] = processUsage();
        auto *counter = new PaintCounter(window.get());
        window->show();
        EventLoop::settle();
        if (counter->paints == 0)
            return 1;
    }
    marks[4] = processUsage();
    std::printf("%.3f %.3f", double(monotonicNs() - launchedNs) / 1e6, marks[4].cpuMs);
    for (int i = 0; i < PhaseCount; ++i)
        std::printf(" %.3f %.0f", marks[i + 1].cpuMs - marks[i].cpuMs, marks[i + 1].faults - marks[i].faults);
    std::printf("\n");
    // The tearing down is no part of a start-up, and would only delay the
    // next run.
    std::fflush(stdout);
    std::_Exit(0);
}

Outcome Scenarios::startUp(BenchFolder &folder, const ComparisonRunner &runner)
{
    int failures = 0;
    PhaseLog oursPhases;
    PhaseLog floorPhases;
    PhaseLog textPhases;
    const auto start = [&folder, &failures](const char *side, PhaseLog &log) {
        const ChildRun run = startInChild(folder.path(), side);
        if (run.timing.wallMs < 0)
            ++failures;
        else
            log.add(run);
        return run.timing;
    };
    Comparison fresh{
        .title = u"6. Start-up"_s,
        .oursDoes = u"a fresh process of the benchmark program, from its launch: the application object, the main "
                    "window built with Quonda.dat read, sized, shown and painted for the first time"_s,
        .floorDoes = u"a fresh process of the same program, from its launch: the application object, an empty "
                     "QMainWindow showing one line of text in a QLabel, shown and painted for the first time"_s,
        .limit = 1.5,
        .ours = Comparison::Side::timingItself([&] { return start("ours", oursPhases); }),
        .floor = Comparison::Side::timingItself([&] { return start("text", textPhases); }),
    };
    Outcome outcome = runner.run(fresh);
    outcome.paintingIncluded = true;

    // The same against a window without any text, for information: it
    // never starts the font system, which every window with text pays for.
    Comparison withoutText = fresh;
    withoutText.floor = Comparison::Side::timingItself([&] { return start("floor", floorPhases); });
    const Measured bare = runner.run(withoutText).measured;
    outcome.notes.append(u"an empty QMainWindow without any text takes %1 ms; against it ours has the ratio %2. A "
                         "window without text never starts the font system, which every window with text pays for: "
                         "on Linux fontconfig reads its configuration and lists every font, and each font used is "
                         "opened and its glyphs drawn."_s.arg(bare.floor.cpuMs, 0, 'f', 1)
                             .arg(bare.ratio(), 0, 'f', 2));
    if (failures > 0) {
        outcome.failure = u"%1 start-ups failed"_s.arg(failures);
        return outcome;
    }
    QStringList steps;
    for (int i = 0; i < PhaseCount; ++i) {
        const Usage o = oursPhases.median(i);
        const Usage t = textPhases.median(i);
        const Usage f = floorPhases.median(i);
        steps.append(u"%1: %2 / %3 / %4 ms, %5 / %6 / %7 page faults"_s.arg(QString::fromLatin1(PhaseNames[i]))
                         .arg(o.cpuMs, 0, 'f', 1)
                         .arg(t.cpuMs, 0, 'f', 1)
                         .arg(f.cpuMs, 0, 'f', 1)
                         .arg(o.faults, 0, 'f', 0)
                         .arg(t.faults, 0, 'f', 0)
                         .arg(f.faults, 0, 'f', 0));
    }
    outcome.notes.append(u"step by step (medians of processor time and of pages faulted in; ours / the floor with "
                         "a line of text / the empty floor): "_s
                         + steps.join(u"; "_s));

    // A further window in a process that has shown one already: what is
    // left once the start-up's one-time costs are paid.
    BenchDialogs dialogs;
    MainWindow *window = nullptr;
    QMainWindow *empty = nullptr;
    Comparison again{
        .title = {},
        .oursDoes = {},
        .floorDoes = {},
        .limit = 1.5,
        .ours = Comparison::Side::timed(
            [&] {
                window = new MainWindow(dialogs);
                EventLoop::showAsTheProgramDoes(*window);
            },
            [&] { folder.enter(); }, [&] { delete window; }),
        .floor = Comparison::Side::timed(
            [&] {
                empty = new QMainWindow;
                empty->show();
                EventLoop::settle();
            },
            {}, [&] { delete empty; }),
    };
    const Measured warm = runner.run(again).measured;
    outcome.notes.append(u"one more window in a process that has shown one: ours %1 ms, an empty QMainWindow %2 ms "
                         "(processor time)"_s.arg(warm.ours.cpuMs, 0, 'f', 2)
                             .arg(warm.floor.cpuMs, 0, 'f', 2));
    return outcome;
}
