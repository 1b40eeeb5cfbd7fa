#include "Comparison.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cmath>

#ifdef Q_OS_UNIX
#include <ctime>
#endif

namespace {

constexpr int WarmUpRuns = 2;

} // namespace

ComparisonRunner::ComparisonRunner(double secondsPerComparison, int minimumRuns, int maximumRuns,
                                   std::function<Timing()> painting)
    : m_seconds(secondsPerComparison)
    , m_minimumRuns(minimumRuns)
    , m_maximumRuns(maximumRuns)
    , m_painting(std::move(painting))
{
}

ComparisonRunner::Run ComparisonRunner::timedRun(const Comparison::Side &side) const
{
    if (side.selfTimed)
        return {side.selfTimed(), {}};
    if (side.prepare)
        side.prepare();
    const Timing paintedBefore = m_painting ? m_painting() : Timing();
    const double cpuBefore = threadCpuMs();
    QElapsedTimer timer;
    timer.start();
    side.run();
    const double wallMs = double(timer.nsecsElapsed()) / 1e6;
    const double cpuMs = threadCpuMs() - cpuBefore;
    const Timing paintedAfter = m_painting ? m_painting() : Timing();
    if (side.tidy)
        side.tidy();
    const Timing painting{paintedAfter.wallMs - paintedBefore.wallMs, paintedAfter.cpuMs - paintedBefore.cpuMs};
    return {{wallMs - painting.wallMs, cpuMs - painting.cpuMs}, painting};
}

double ComparisonRunner::threadCpuMs()
{
#ifdef Q_OS_UNIX
    timespec now{};
    if (clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now) == 0)
        return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
#endif
    // Without a thread clock the wall clock has to do.
    static QElapsedTimer sinceStart;
    if (!sinceStart.isValid())
        sinceStart.start();
    return double(sinceStart.nsecsElapsed()) / 1e6;
}

double ComparisonRunner::median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    const std::size_t middle = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + std::ptrdiff_t(middle), values.end());
    const double upper = values[middle];
    if (values.size() % 2 != 0)
        return upper;
    const double lower = *std::max_element(values.begin(), values.begin() + std::ptrdiff_t(middle));
    return (lower + upper) / 2;
}

Timing ComparisonRunner::median(const std::vector<Timing> &timings)
{
    std::vector<double> wall;
    std::vector<double> cpu;
    for (const Timing &timing : timings) {
        wall.push_back(timing.wallMs);
        cpu.push_back(timing.cpuMs);
    }
    return {median(wall), median(cpu)};
}

Outcome ComparisonRunner::run(const Comparison &comparison) const
{
    // The untimed steps count towards the time allowed: preparing a list of
    // a million records may take longer than the action on it.
    double pairMs = 0;
    for (int i = 0; i < WarmUpRuns; ++i) {
        QElapsedTimer pair;
        pair.start();
        timedRun(comparison.ours);
        timedRun(comparison.floor);
        pairMs = double(pair.nsecsElapsed()) / 1e6;
    }
    const double budgetMs = m_seconds * 1000;
    const int runs = std::clamp(int(std::lround(budgetMs / std::max(pairMs, 0.001))), m_minimumRuns, m_maximumRuns);

    std::vector<Timing> ours;
    std::vector<Timing> floor;
    std::vector<Timing> oursPainting;
    const auto runOurs = [&] {
        const Run run = timedRun(comparison.ours);
        ours.push_back(run.work);
        oursPainting.push_back(run.painting);
    };
    for (int i = 0; i < runs; ++i) {
        if (i % 2 == 0) {
            runOurs();
            floor.push_back(timedRun(comparison.floor).work);
        } else {
            floor.push_back(timedRun(comparison.floor).work);
            runOurs();
        }
    }

    Outcome outcome;
    outcome.title = comparison.title;
    outcome.oursDoes = comparison.oursDoes;
    outcome.floorDoes = comparison.floorDoes;
    outcome.limit = comparison.limit;
    outcome.measured = {median(ours), median(floor), median(oursPainting), runs};
    return outcome;
}

Timing ComparisonRunner::median(const Comparison::Side &side, int runs) const
{
    std::vector<Timing> timings;
    for (int i = 0; i < runs; ++i)
        timings.push_back(timedRun(side).work);
    return median(timings);
}
