#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// How long one run took: by the clock on the wall, and in processor time
// spent on it (user and system). On a machine that other people's builds
// keep busy the scheduler hands the processor to them in whole ticks of
// several milliseconds, and a longer run is cut more often: the wall clock
// then counts their work as ours. Processor time does not.
struct Timing
{
    double wallMs = 0;
    double cpuMs = 0;
};

// One hot path of ours and its floor: the least work that any program must
// do for the same result. Both run in the same process, alternately, so
// that whatever else the machine does at the time weighs on both alike.
struct Comparison
{
    struct Side
    {
        std::function<void()> run; // timed
        // Instead of `run`: a side that times itself (in another process).
        std::function<Timing()> selfTimed;
        std::function<void()> prepare; // untimed, before every run; may be empty
        std::function<void()> tidy;    // untimed, after every run; may be empty

        static Side timed(std::function<void()> run, std::function<void()> prepare = {},
                          std::function<void()> tidy = {})
        {
            return {std::move(run), {}, std::move(prepare), std::move(tidy)};
        }
        static Side timingItself(std::function<Timing()> measure) { return {{}, std::move(measure), {}, {}}; }
    };

    QString title;
    QString oursDoes;
    QString floorDoes;
    double limit = 1.5; // the ratio ours / floor must not exceed
    Side ours;
    Side floor;
};

// Medians of the runs of both sides, painting left out, and of the
// painting that our side caused.
struct Measured
{
    Timing ours;
    Timing floor;
    Timing oursPainting;
    int runs = 0;

    double ratio() const { return floor.cpuMs > 0 ? ours.cpuMs / floor.cpuMs : 0; }
    double wallRatio() const { return floor.wallMs > 0 ? ours.wallMs / floor.wallMs : 0; }
};

// What the report shows of one comparison.
struct Outcome
{
    QString title;
    QString oursDoes;
    QString floorDoes;
    double limit = 1.5;
    Measured measured;
    QStringList notes;             // further figures, one line each
    QString failure;               // set when our side did not do its job
    bool paintingIncluded = false; // both sides paint, and that counts
    QString unit;                  // of the figures; empty: milliseconds

    bool met() const { return failure.isEmpty() && measured.ratio() <= limit; }
};

// Runs comparisons: a few untimed runs of each side first (caches, lazy
// initialisation), then as many timed pairs as fit into the time allowed,
// taking turns at going first. Medians, because a shared machine makes for
// outliers in one direction only.
class ComparisonRunner
{
public:
    // `painting` tells how much painting the process has done so far; it
    // is left out of the times. Without it nothing is left out.
    ComparisonRunner(double secondsPerComparison, int minimumRuns, int maximumRuns, std::function<Timing()> painting);

    Outcome run(const Comparison &comparison) const;
    // Repeats one side alone.
    Timing median(const Comparison::Side &side, int runs) const;

    static double median(std::vector<double> values);
    static Timing median(const std::vector<Timing> &timings);
    // The processor time this thread has used so far, in milliseconds.
    static double threadCpuMs();

private:
    struct Run
    {
        Timing work;
        Timing painting;
    };
    Run timedRun(const Comparison::Side &side) const;

    double m_seconds;
    int m_minimumRuns;
    int m_maximumRuns;
    std::function<Timing()> m_painting;
};
