#include "BenchDialogs.h"
#include "BenchFolder.h"
#include "editor/EntryListBox.h"
#include "EventLoop.h"
#include "files/FileTexts.h"
#include "MainWindow.h"
#include "PeakMemory.h"
#include "Scenarios.h"

#include <QAction>
#include <QFile>
#include <QListView>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace {

constexpr int Records = 100'000;
constexpr int LargeRecords = 1'000'000;
constexpr int LargeRuns = 3;
constexpr int SyncRuns = 11;

// What every program that reads such a file must do at least.
QStringList plainRead(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromLatin1(file.readAll()).split(u"\r\n"_s);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// What every program that writes such a file must do at least; `durably`
// adds the wait until the data is on the disk.
void plainWrite(const QStringList &entries, const QString &path, bool durably = false)
{
    const QByteArray bytes = (entries.join(u"\r\n"_s) + u"\r\n"_s).toLatin1();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    file.write(bytes);
#ifdef Q_OS_UNIX
    if (durably && file.flush())
        ::fdatasync(file.handle());
#else
    Q_UNUSED(durably);
#endif
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString megabytes(qint64 kilobytes)
{
    return QString::number(double(kilobytes) / 1024, 'f', 0) + u" MB"_s;
}

// The main window with its "&Datei" menu, as the user finds it.
struct MenuFileWindow
{
    BenchDialogs dialogs;
    MainWindow window{dialogs};
    QAction *open = window.findChild<QAction *>(u"mnuDLaden"_s);
    QAction *save = window.findChild<QAction *>(u"mnuDSpeichern"_s);
    const EntryListModel &list = window.state().recordList;

    void openAndShow(const QString &path)
    {
        dialogs.setOpenPath(path);
        open->trigger();
        // What the view does before it first paints the new list, done
        // here so that it counts as work rather than painting.
        window.findChild<EntryListBox *>(u"cboQDMenu_0"_s)->listView()->doItemsLayout();
        EventLoop::settle();
    }
};

Outcome compareOpening(MenuFileWindow &menu, const QString &path, const QStringList &records,
                       const ComparisonRunner &runner)
{
    QStringList floorLines;
    const Comparison comparison{
        .title = u"1. Open a menu file of 100,000 records"_s,
        .oursDoes = u"\"&Öffnen\" through the files controller, the record list shown and laid out"_s,
        .floorDoes = u"read the file, decode it, split it into lines"_s,
        .limit = 1.5,
        .ours = Comparison::Side::timed([&] { menu.openAndShow(path); }),
        .floor = Comparison::Side::timed([&] { floorLines = plainRead(path); }),
    };
    menu.dialogs.forgetMessages();
    Outcome outcome = runner.run(comparison);
    if (menu.list.entries() != records || floorLines != records)
        outcome.failure = u"the records read differ from those written"_s;
    else
        outcome.failure = menu.dialogs.unexpectedMessages();
    return outcome;
}

void addLargeFigures(Outcome &outcome, MenuFileWindow &menu, const BenchFolder &folder, const QString &path,
                     const ComparisonRunner &runner)
{
    // A few runs are plenty at this size.
    menu.dialogs.forgetMessages();
    const Timing ours = runner.median(Comparison::Side::timed([&] { menu.openAndShow(path); }), LargeRuns);
    const bool opened = menu.list.count() == LargeRecords && menu.dialogs.messages().isEmpty();
    QStringList floorLines;
    const Timing floor = runner.median(Comparison::Side::timed([&] { floorLines = plainRead(path); }), LargeRuns);
    if (!opened && outcome.failure.isEmpty())
        outcome.failure = u"the file of 1,000,000 records did not open: "_s + menu.dialogs.messages().join(u" / "_s);
    outcome.notes.append(u"1,000,000 records (%1 MB) open in %2 ms of processor time (%3 ms by the clock); the "
                         "floor takes %4 ms (%5 ms): ratio %6; medians of %7 runs"_s
                             .arg(double(QFile(path).size()) / (1024 * 1024), 0, 'f', 1)
                             .arg(ours.cpuMs, 0, 'f', 0)
                             .arg(ours.wallMs, 0, 'f', 0)
                             .arg(floor.cpuMs, 0, 'f', 0)
                             .arg(floor.wallMs, 0, 'f', 0)
                             .arg(ours.cpuMs / floor.cpuMs, 0, 'f', 2)
                             .arg(LargeRuns));

    const PeakMemory::Figures memory = PeakMemory::measureOpen(folder.path(), path);
    if (!memory.error.isEmpty())
        outcome.notes.append(u"peak memory not measured: "_s + memory.error);
    else
        outcome.notes.append(u"peak resident memory (VmHWM) of a process that opens 1,000,000 records: %1, of "
                             "which %2 before the open (the shown main window); %3 entries"_s
                                 .arg(megabytes(memory.peakKb), megabytes(memory.beforeKb))
                                 .arg(memory.entries));
}

Outcome compareSaving(MenuFileWindow &menu, const BenchFolder &folder, const QString &openedPath,
                      const ComparisonRunner &runner)
{
    const QString savedPath = folder.filePath(u"gespeichert.mnu"_s);
    const QString plainPath = folder.filePath(u"schlicht.mnu"_s);
    menu.dialogs.setSavePath(savedPath);
    menu.dialogs.forgetMessages();
    const Comparison comparison{
        .title = u"2. Save 100,000 records"_s,
        .oursDoes = u"\"&Speichern\": encode, dialog, overwrite question, atomic replacement through QSaveFile"_s,
        .floorDoes = u"encode the records, one plain write of the bytes"_s,
        .limit = 1.5,
        .ours = Comparison::Side::timed([&] {
            menu.save->trigger();
            EventLoop::settle();
        }),
        .floor = Comparison::Side::timed([&] { plainWrite(menu.list.entries(), plainPath); }),
    };
    Outcome outcome = runner.run(comparison);
    if (contents(savedPath) != contents(plainPath) || contents(savedPath) != contents(openedPath))
        outcome.failure = u"the file saved differs from the one opened"_s;
    else
        outcome.failure = menu.dialogs.unexpectedMessages(FileTexts::overwriteQuestion());

    // QSaveFile waits for the data to reach the disk before the new file
    // takes the old one's place; a processor does not count that wait.
    const Timing durable =
        runner.median(Comparison::Side::timed([&] { plainWrite(menu.list.entries(), plainPath, true); }), SyncRuns);
    outcome.notes.append(u"QSaveFile writes a temporary file, waits with fdatasync until its data is on the disk "
                         "and only then renames it over the old file, so that a crash or a power cut leaves the old "
                         "file or the new one, never a truncated one. Processor time does not count the wait; by the "
                         "clock ours takes %1 ms, the plain write %2 ms, the plain write followed by fdatasync %3 ms "
                         "(median of %4 runs; ours against it: ratio %5)"_s.arg(outcome.measured.ours.wallMs, 0, 'f', 1)
                             .arg(outcome.measured.floor.wallMs, 0, 'f', 1)
                             .arg(durable.wallMs, 0, 'f', 1)
                             .arg(SyncRuns)
                             .arg(outcome.measured.ours.wallMs / durable.wallMs, 0, 'f', 2));
    return outcome;
}

} // namespace

QList<Outcome> Scenarios::menuFiles(BenchFolder &folder, const ComparisonRunner &runner, bool opening, bool saving)
{
    folder.enter();
    const QStringList records = BenchFolder::menu(Records, folder.commands());
    const QString path = folder.writeMenu(u"hundert.mnu"_s, records);
    MenuFileWindow menu;
    EventLoop::showAsTheProgramDoes(menu.window);

    QList<Outcome> outcomes;
    if (opening) {
        Outcome opened = compareOpening(menu, path, records, runner);
        const QString largePath =
            folder.writeMenu(u"million.mnu"_s, BenchFolder::menu(LargeRecords, folder.commands()));
        addLargeFigures(opened, menu, folder, largePath, runner);
        outcomes.append(opened);
    }
    if (saving) {
        menu.openAndShow(path);
        outcomes.append(compareSaving(menu, folder, path, runner));
    }
    return outcomes;
}
