#pragma once

#include <QString>

// One thing the menu checker found: where, how bad, and in words.
struct CheckFinding
{
    enum class Severity {
        Error,   // the device will misbehave
        Warning, // probably not meant
    };

    // 1-based, as a person counts the lines of the file; 0 for the file as
    // a whole (an empty menu has no line to point at).
    qsizetype line = 0;
    Severity severity = Severity::Error;
    QString text;

    bool operator==(const CheckFinding &) const = default;
};
