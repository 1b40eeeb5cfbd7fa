#pragma once

#include "Comparison.h"

#include <QList>
#include <QString>

// The table of one run: on the console and as docs/performance.md.
class PerformanceReport
{
public:
    PerformanceReport(QString machine, double secondsPerComparison);

    void add(const Outcome &outcome) { m_outcomes.append(outcome); }
    bool allMet() const;
    bool anyFailed() const;

    QString consoleText() const;
    QString markdown() const;
    bool write(const QString &path) const;

private:
    QString m_machine;
    double m_seconds;
    QList<Outcome> m_outcomes;
};
