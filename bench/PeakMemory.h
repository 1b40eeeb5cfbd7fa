#pragma once

#include <QString>

// Peak memory of opening a large menu file, measured in a child process of
// this program so that nothing else the benchmark did counts.
namespace PeakMemory {

inline constexpr char ChildOption[] = "--peak-memory-child";

struct Figures
{
    qint64 beforeKb = 0; // peak while the shown main window waits
    qint64 peakKb = 0;   // peak once the file is open and shown
    int entries = 0;
    QString error;
};

Figures measureOpen(const QString &folder, const QString &menuPath);
// The floor: a process that reads the same lines into a QStringList and
// shows them in a QListView.
Figures measureFloor(const QString &folder, const QString &menuPath);

// The child's side: `arguments` are the folder and the menu file, and
// "floor" for the floor. Prints
// its figures on standard output.
int runChild(const QStringList &arguments);

} // namespace PeakMemory
