#include "PerformanceReport.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QString ms(double value)
{
    return QString::number(value, 'f', value < 10 ? 3 : 1);
}

// A figure of the table: milliseconds unless the outcome counts otherwise.
QString figure(const Outcome &outcome, double value)
{
    return outcome.unit.isEmpty() ? ms(value) : QString::number(value, 'f', 0) + u' ' + outcome.unit;
}

QString painting(const Outcome &outcome)
{
    return outcome.paintingIncluded ? u"counted"_s : ms(outcome.measured.oursPainting.cpuMs);
}

QString verdict(const Outcome &outcome)
{
    if (!outcome.failure.isEmpty())
        return u"FAILED"_s;
    return outcome.met() ? u"met"_s : u"MISSED"_s;
}

} // namespace

PerformanceReport::PerformanceReport(QString machine, double secondsPerComparison)
    : m_machine(std::move(machine))
    , m_seconds(secondsPerComparison)
{
}

bool PerformanceReport::allMet() const
{
    return std::all_of(m_outcomes.begin(), m_outcomes.end(), [](const Outcome &outcome) { return outcome.met(); });
}

bool PerformanceReport::anyFailed() const
{
    return std::any_of(m_outcomes.begin(), m_outcomes.end(),
                       [](const Outcome &outcome) { return !outcome.failure.isEmpty(); });
}

QString PerformanceReport::consoleText() const
{
    QString text = u"%1  %2  %3  %4  %5  %6  %7  %8\n"_s.arg(u"Scenario (processor time, ms)"_s, -62)
                       .arg(u"ours"_s, 9)
                       .arg(u"floor"_s, 9)
                       .arg(u"ratio"_s, 6)
                       .arg(u"limit"_s, 5)
                       .arg(u"clock ratio"_s, 11)
                       .arg(u"painting"_s, 8)
                       .arg(u"runs"_s, 5);
    for (const Outcome &outcome : m_outcomes) {
        const Measured &m = outcome.measured;
        text += u"%1  %2  %3  %4  %5  %6  %7  %8  %9\n"_s.arg(outcome.title, -62)
                    .arg(figure(outcome, m.ours.cpuMs), 9)
                    .arg(figure(outcome, m.floor.cpuMs), 9)
                    .arg(QString::number(m.ratio(), 'f', 2), 6)
                    .arg(QString::number(outcome.limit, 'f', 1), 5)
                    .arg(QString::number(m.wallRatio(), 'f', 2), 11)
                    .arg(painting(outcome), 8)
                    .arg(m.runs, 5)
                    .arg(verdict(outcome));
        for (const QString &note : outcome.notes)
            text += u"    "_s + note + u'\n';
        if (!outcome.failure.isEmpty())
            text += u"    our side failed: "_s + outcome.failure + u'\n';
    }
    text += u"\nMachine: "_s + m_machine + u'\n';
    return text;
}

QString PerformanceReport::markdown() const
{
    QString text = u"# Performance\n\n"_s;
    text += u"Written by `make bench` (the program in `bench/`). Each scenario runs our code and its *floor*, the "
            u"least work any program must do for the same result, in one process under the offscreen platform: "
            u"a few untimed runs first, then timed runs taking turns at going first, as many as fit into about "
            u"%1 seconds. Our side runs until the event loop has done what the action left to it (layout, "
            u"painting). The table gives the medians and their ratio, which must not exceed the limit.\n\n"_s.arg(
                m_seconds);
    text += u"Times are processor time (user and system) of the measuring thread. On a machine that other work "
            u"keeps busy, the scheduler takes the processor away in whole ticks of several milliseconds, and a "
            u"longer run is cut more often than a shorter one, so that the clock on the wall charges the other "
            u"work to it; the ratio by the clock is given beside. Painting is timed apart and left out of both "
            u"sides, since the floors show nothing; at start-up, where showing the window is the point, both "
            u"sides paint and it counts.\n\n"_s;
    text += u"Run of %1 on: %2.\n\n"_s.arg(QDateTime::currentDateTime().toString(u"yyyy-MM-dd HH:mm"_s), m_machine);
    text += u"| Scenario | Ours (ms) | Floor (ms) | Ratio | Limit | Ours, clock (ms) | Floor, clock (ms) | "
            u"Clock ratio | Our painting (ms) | Runs | |\n"_s;
    text += u"|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|---|\n"_s;
    for (const Outcome &outcome : m_outcomes) {
        const Measured &m = outcome.measured;
        text += u"| %1 | %2 | %3 | **%4** | ≤ %5 | %6 | %7 | %8 |"_s.arg(
            outcome.title, figure(outcome, m.ours.cpuMs), figure(outcome, m.floor.cpuMs),
            QString::number(m.ratio(), 'f', 2), QString::number(outcome.limit, 'f', 1), figure(outcome, m.ours.wallMs),
            figure(outcome, m.floor.wallMs), QString::number(m.wallRatio(), 'f', 2));
        text += u" %1 | %2 | %3 |\n"_s.arg(painting(outcome), QString::number(m.runs), verdict(outcome));
    }
    text += u"\n## What is measured\n\n"_s;
    for (const Outcome &outcome : m_outcomes) {
        text += u"- **%1.** Ours: %2. Floor: %3.\n"_s.arg(outcome.title, outcome.oursDoes, outcome.floorDoes);
        for (const QString &note : outcome.notes)
            text += u"  - "_s + note + u'\n';
        if (!outcome.failure.isEmpty())
            text += u"  - Our side failed: "_s + outcome.failure + u'\n';
    }
    for (const QString &section : m_sections)
        text += u'\n' + section;
    return text;
}

bool PerformanceReport::write(const QString &path) const
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(markdown().toUtf8());
    return file.commit();
}
