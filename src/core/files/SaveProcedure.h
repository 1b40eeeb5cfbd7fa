#pragma once

#include "dialogs/UserDialogs.h"

#include <QStringList>

// Saving a list through the save dialog: the menu file on "&Speichern" and
// the vocabulary at shut-down. The caller owns the flags and clears its
// flag when the outcome is Saved.
class SaveProcedure
{
public:
    enum class Outcome {
        NotRun,       // the run condition was false: nothing shown
        Refused,      // an entry cannot be written; nothing shown but the reason
        Cancelled,    // Cancel in the dialog
        KeptExisting, // "No" to overwriting
        Failed,       // the write failed; an existing file is unchanged
        Saved,
    };

    struct Request
    {
        QStringList entries;
        bool runs = false;
        QString filter;
        QString proposedPath; // empty: the dialog starts in the current directory
    };

    explicit SaveProcedure(UserDialogs &dialogs);

    Outcome run(const Request &request);
    // The file written by a run that saved.
    const QString &savedPath() const { return m_savedPath; }

    // Whether the list is as safe as before the procedure: it saved, or it
    // had nothing to save. Anything else leaves changes only in memory.
    static bool leftNothingUnsaved(Outcome outcome) { return outcome == Outcome::NotRun || outcome == Outcome::Saved; }

private:
    UserDialogs &m_dialogs;
    QString m_savedPath;
};
