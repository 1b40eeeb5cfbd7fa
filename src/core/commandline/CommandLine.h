#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

// What the program was asked to do when it was started. Reading the line
// needs no application object, so that the commands that answer on the
// terminal run where no display is.
struct CommandLine
{
    enum class Command { OpenWindow, ShowHelp, ShowVersion, Check, Refuse };

    // Exit codes of the commands without a window.
    static constexpr int Success = 0;
    static constexpr int UsageError = 2;

    Command command = Command::OpenWindow;
    QString menuFile;         // absolute; empty: the window starts with an empty list
    QStringList ignoredFiles; // further file names, as they were given
    QString refusal;          // for Refuse: what was wrong with the line
    // For Check: the menu file, and the button folder and vocabulary to
    // check it against (empty: none, and Quonda.dat as at start-up).
    QString checkFile;
    QString buttonsFolder;
    QString vocabularyFile;

    // `arguments` begins with the program as it was called.
    static CommandLine parse(const QStringList &arguments);
    static QStringList arguments(int argc, const char *const *argv);

    bool needsWindow() const;
    // A command that needs no window: writes its answer and returns the exit code.
    int runWithoutWindow(QTextStream &out, QTextStream &err) const;

    static QString helpText();
    static QString versionText();
    // The box shown when more than one file was named.
    static QString ignoredFilesNotice(const QStringList &files);
};
