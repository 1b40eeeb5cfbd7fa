#include "BenchFolder.h"
#include "PeakMemory.h"
#include "Scenarios.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int Records = 1'000'000;

double megabytes(qint64 kilobytes)
{
    return double(kilobytes) / 1024;
}

} // namespace

Outcome Scenarios::peakMemory(BenchFolder &folder)
{
    Outcome outcome;
    outcome.title = u"15. Peak memory with 1,000,000 records open"_s;
    outcome.oursDoes = u"a process of the benchmark program: the main window shown, a menu file of 1,000,000 records "
                       "opened with \"&Öffnen\" and shown; peak resident memory (VmHWM)"_s;
    outcome.floorDoes = u"a process of the same program: the same file read into a QStringList, shown in a QListView "
                        "through a QStringListModel; peak resident memory"_s;
    outcome.unit = u"MB"_s;
    const QString path = folder.writeMenu(u"million.mnu"_s, BenchFolder::menu(Records, folder.commands()));
    const PeakMemory::Figures ours = PeakMemory::measureOpen(folder.path(), path);
    const PeakMemory::Figures floor = PeakMemory::measureFloor(folder.path(), path);
    if (!ours.error.isEmpty() || !floor.error.isEmpty()) {
        outcome.failure = ours.error + floor.error;
        return outcome;
    }
    if (ours.entries != Records || floor.entries != Records) {
        outcome.failure = u"%1 and %2 records were read"_s.arg(ours.entries).arg(floor.entries);
        return outcome;
    }
    outcome.measured.ours = {megabytes(ours.peakKb), megabytes(ours.peakKb)};
    outcome.measured.floor = {megabytes(floor.peakKb), megabytes(floor.peakKb)};
    outcome.measured.runs = 1;
    outcome.notes.append(u"before the file: ours %1 MB (the shown main window), the floor %2 MB (the shown empty "
                         "view)"_s.arg(megabytes(ours.beforeKb), 0, 'f', 0)
                             .arg(megabytes(floor.beforeKb), 0, 'f', 0));
    return outcome;
}
