#include "PeakMemory.h"

#include "BenchDialogs.h"
#include "EventLoop.h"
#include "MainWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QListView>
#include <QProcess>
#include <QStringListModel>

#include <cstdio>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

using namespace Qt::StringLiterals;

namespace PeakMemory {

namespace {

qint64 peakKb()
{
    // Linux keeps ru_maxrss across exec, so a child would report its
    // parent's peak; the high-water mark of its own memory starts afresh.
    QFile status(u"/proc/self/status"_s);
    if (status.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> lines = status.readAll().split('\n');
        for (const QByteArray &line : lines) {
            if (line.startsWith("VmHWM:"))
                return line.mid(6).trimmed().split(' ').first().toLongLong();
        }
    }
#ifdef Q_OS_UNIX
    rusage usage{};
    if (getrusage(RUSAGE_SELF, &usage) == 0)
        return qint64(usage.ru_maxrss);
#endif
    return 0;
}

constexpr int ChildTimeoutMs = 120'000;

Figures measure(const QStringList &arguments)
{
    Figures figures;
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), QStringList{QString::fromLatin1(ChildOption)} + arguments);
    if (!child.waitForFinished(ChildTimeoutMs) || child.exitCode() != 0) {
        figures.error = u"the measuring process failed: "_s + QString::fromLocal8Bit(child.readAllStandardError());
        return figures;
    }
    const QStringList fields = QString::fromLatin1(child.readAllStandardOutput()).simplified().split(u' ');
    if (fields.size() != 3) {
        figures.error = u"the measuring process said nothing useful"_s;
        return figures;
    }
    figures.beforeKb = fields.at(0).toLongLong();
    figures.peakKb = fields.at(1).toLongLong();
    figures.entries = fields.at(2).toInt();
    return figures;
}

int printFigures(qint64 before, qint64 peak, qsizetype entries)
{
    std::printf("%lld %lld %lld\n", static_cast<long long>(before), static_cast<long long>(peak),
                static_cast<long long>(entries));
    return 0;
}

int runFloor(const QString &menuPath)
{
    QListView view;
    view.setUniformItemSizes(true);
    EventLoop::showAsTheProgramDoes(view);
    const qint64 before = peakKb();
    QFile file(menuPath);
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    QStringList lines = QString::fromLatin1(file.readAll()).split(u"\r\n"_s);
    file.close();
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    QStringListModel model(lines);
    view.setModel(&model);
    EventLoop::settle();
    return printFigures(before, peakKb(), model.rowCount());
}

} // namespace

Figures measureOpen(const QString &folder, const QString &menuPath)
{
    return measure({folder, menuPath});
}

Figures measureFloor(const QString &folder, const QString &menuPath)
{
    return measure({folder, menuPath, u"floor"_s});
}

int runChild(const QStringList &arguments)
{
    if (arguments.size() != 2 && arguments.size() != 3)
        return 2;
    QDir::setCurrent(arguments.at(0));
    if (arguments.size() == 3)
        return runFloor(arguments.at(1));
    BenchDialogs dialogs;
    dialogs.setOpenPath(arguments.at(1));
    MainWindow window(dialogs);
    EventLoop::showAsTheProgramDoes(window);
    const qint64 before = peakKb();
    window.findChild<QAction *>(u"mnuDLaden"_s)->trigger();
    EventLoop::settle();
    const qint64 peak = peakKb();
    if (!dialogs.messages().isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(dialogs.messages().join(u" / "_s)));
        return 1;
    }
    return printFigures(before, peak, window.state().recordList.count());
}

} // namespace PeakMemory
