#pragma once

#include "Comparison.h"

#include <QList>
#include <QString>
#include <QStringList>

// The table of one run: on the console and as docs/performance.md.
class PerformanceReport
{
public:
    PerformanceReport(QString machine, double secondsPerComparison);

    void add(const Outcome &outcome) { m_outcomes.append(outcome); }
    // Written as it is after the table, such as an analysis made by hand.
    void addSection(const QString &markdown) { m_sections.append(markdown); }
    bool allMet() const;
    bool anyFailed() const;

    QString consoleText() const;
    QString markdown() const;
    bool write(const QString &path) const;

private:
    QString m_machine;
    double m_seconds;
    QList<Outcome> m_outcomes;
    QStringList m_sections;
};
