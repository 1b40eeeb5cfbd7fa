#include "BenchDialogs.h"
#include "BenchFolder.h"
#include "EventLoop.h"
#include "Scenarios.h"
#include "shell/MainWindow.h"

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

double processCpuMs()
{
#ifdef Q_OS_UNIX
    rusage usage{};
    if (getrusage(RUSAGE_SELF, &usage) == 0) {
        const auto ms = [](const timeval &time) { return double(time.tv_sec) * 1e3 + double(time.tv_usec) / 1e3; };
        return ms(usage.ru_utime) + ms(usage.ru_stime);
    }
#endif
    return 0;
}

// One start-up in a fresh process of this program, from the launch to the
// first paint; negative times when it failed.
Timing startInChild(const QString &folder, const char *side)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {QString::fromLatin1(Scenarios::StartUpChildOption), QString::fromLatin1(side), folder,
                 QString::number(monotonicNs())});
    if (!child.waitForFinished(ChildTimeoutMs) || child.exitCode() != 0)
        return {-1, -1};
    const QStringList fields = QString::fromLatin1(child.readAllStandardOutput()).simplified().split(u' ');
    if (fields.size() != 2)
        return {-1, -1};
    return {fields.at(0).toDouble(), fields.at(1).toDouble()};
}

} // namespace

int Scenarios::startUpChild(int &argc, char **argv)
{
    if (argc != 5)
        return 2;
    const bool ours = std::strcmp(argv[2], "ours") == 0;
    const bool text = std::strcmp(argv[2], "text") == 0;
    const qint64 launchedNs = QByteArray(argv[4]).toLongLong();
    QApplication app(argc, argv);
    QDir::setCurrent(QString::fromLocal8Bit(argv[3]));
    BenchDialogs dialogs;
    std::unique_ptr<QMainWindow> window;
    if (ours) {
        window = std::make_unique<MainWindow>(dialogs);
        auto *counter = new PaintCounter(window.get());
        EventLoop::showAsTheProgramDoes(*window);
        if (counter->paints == 0 || static_cast<MainWindow *>(window.get())->state().vocabulary.count() != 74)
            return 1;
    } else {
        window = std::make_unique<QMainWindow>();
        if (text)
            window->setCentralWidget(new QLabel(QStringLiteral("QD5 Tastwerk"), window.get()));
        auto *counter = new PaintCounter(window.get());
        window->show();
        EventLoop::settle();
        if (counter->paints == 0)
            return 1;
    }
    std::printf("%.3f %.3f\n", double(monotonicNs() - launchedNs) / 1e6, processCpuMs());
    // The tearing down is no part of a start-up, and would only delay the
    // next run.
    std::fflush(stdout);
    std::_Exit(0);
}

Outcome Scenarios::startUp(BenchFolder &folder, const ComparisonRunner &runner)
{
    int failures = 0;
    const auto start = [&folder, &failures](const char *side) {
        const Timing timing = startInChild(folder.path(), side);
        if (timing.wallMs < 0)
            ++failures;
        return timing;
    };
    Comparison fresh{
        .title = u"6. Start-up"_s,
        .oursDoes = u"a fresh process of the benchmark program, from its launch: the application object, the main "
                    "window built with Quonda.dat read, sized, shown and painted for the first time"_s,
        .floorDoes = u"a fresh process of the same program, from its launch: the application object, an empty "
                     "QMainWindow shown and painted for the first time"_s,
        .limit = 1.5,
        .ours = Comparison::Side::timingItself([&] { return start("ours"); }),
        .floor = Comparison::Side::timingItself([&] { return start("floor"); }),
    };
    Outcome outcome = runner.run(fresh);

    // The same with a floor that shows one line of text: the font system's
    // start, which an empty window never needs.
    Comparison withText = fresh;
    withText.floor = Comparison::Side::timingItself([&] { return start("text"); });
    const Measured text = runner.run(withText).measured;
    outcome.notes.append(u"against an empty QMainWindow that shows one line of text in a QLabel (%1 ms): ratio %2"_s
                             .arg(text.floor.cpuMs, 0, 'f', 1)
                             .arg(text.ratio(), 0, 'f', 2));
    if (failures > 0) {
        outcome.failure = u"%1 start-ups failed"_s.arg(failures);
        return outcome;
    }

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
