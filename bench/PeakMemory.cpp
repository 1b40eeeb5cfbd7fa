#include "PeakMemory.h"

#include "BenchDialogs.h"
#include "EventLoop.h"
#include "MainWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>

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

} // namespace

Figures measureOpen(const QString &folder, const QString &menuPath)
{
    Figures figures;
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(ChildOption), folder, menuPath});
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

int runChild(const QStringList &arguments)
{
    if (arguments.size() != 2)
        return 2;
    QDir::setCurrent(arguments.at(0));
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
    std::printf("%lld %lld %d\n", static_cast<long long>(before), static_cast<long long>(peak),
                window.state().recordList.count());
    return 0;
}

} // namespace PeakMemory
