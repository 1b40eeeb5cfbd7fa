#pragma once

#include "Comparison.h"

#include <QList>

#include <functional>

class BenchFolder;

// Each scenario builds what it needs (a shown main window under the
// offscreen platform, lists, files), runs its comparison and checks
// afterwards that our side really did its job.
namespace Scenarios {

// Opening and saving a menu file of 100,000 records; the 1,000,000-record
// open and its peak memory are notes of the first.
QList<Outcome> menuFiles(BenchFolder &folder, const ComparisonRunner &runner, bool opening, bool saving);
Outcome paging(BenchFolder &folder, const ComparisonRunner &runner);
Outcome buttonField(BenchFolder &folder, const ComparisonRunner &runner);
Outcome preview(BenchFolder &folder, const ComparisonRunner &runner);
// A menu of 1,000,000 records shown in the main window: the actions a user
// repeats while editing it, those numbered in `wanted`.
QList<Outcome> longMenu(BenchFolder &folder, const ComparisonRunner &runner, const std::function<bool(int)> &wanted);
Outcome longPreview(BenchFolder &folder, const ComparisonRunner &runner);
// Peak memory with 1,000,000 records open, against the same lines in a
// QStringList shown in a QListView.
Outcome peakMemory(BenchFolder &folder);
Outcome largeFolderPaging(BenchFolder &folder, const ComparisonRunner &runner);
QList<Outcome> largeFolder(BenchFolder &folder, const ComparisonRunner &runner, bool choosing, bool accepting);
// "Menü-Übersicht" on a menu of 1,000,000 records: opening it and one
// scroll step, painting counted (`runner` leaves none out).
QList<Outcome> overview(BenchFolder &folder, const ComparisonRunner &runner, bool opening, bool scrolling);
// Start-up happens once a process: each run is a fresh process of this
// program, timed from its launch to the first paint.
Outcome startUp(BenchFolder &folder, const ComparisonRunner &runner);
inline constexpr char StartUpChildOption[] = "--start-up-child";
// The child's side: argv[2] is "ours", "floor" or "text" (the floor with a
// line of text), argv[3] the folder,
// argv[4] the steady clock's nanoseconds at the launch.
int startUpChild(int &argc, char **argv);

} // namespace Scenarios
