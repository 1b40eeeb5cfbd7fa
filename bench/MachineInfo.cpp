#include "MachineInfo.h"

#include <QFile>
#include <QGuiApplication>
#include <QSysInfo>
#include <QThread>

using namespace Qt::StringLiterals;

namespace MachineInfo {

QString cpuModel()
{
    // Files under /proc claim to be empty: read until there is no more.
    QFile cpuinfo(u"/proc/cpuinfo"_s);
    if (cpuinfo.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> lines = cpuinfo.readAll().split('\n');
        for (const QByteArray &line : lines) {
            if (line.startsWith("model name"))
                return QString::fromUtf8(line.mid(line.indexOf(':') + 1)).trimmed();
        }
    }
    return QSysInfo::currentCpuArchitecture();
}

QString compiler()
{
#if defined(__clang__)
    return u"Clang "_s + QStringLiteral(__clang_version__);
#elif defined(__GNUC__)
    return u"GCC "_s + QStringLiteral(__VERSION__);
#elif defined(_MSC_VER)
    return u"MSVC "_s + QString::number(_MSC_VER);
#else
    return u"unknown compiler"_s;
#endif
}

QString loadAverage()
{
    QFile loadavg(u"/proc/loadavg"_s);
    if (!loadavg.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(loadavg.readAll()).section(u' ', 0, 0);
}

QString summary()
{
    QString line =
        u"%1, %2 cores; %3; Qt %4 (%5 platform); %6; %7 build (%8)"_s.arg(cpuModel())
            .arg(QThread::idealThreadCount())
            .arg(QSysInfo::prettyProductName(), QString::fromLatin1(qVersion()), QGuiApplication::platformName(),
                 compiler(), QStringLiteral(TASTWERK_BUILD_TYPE), QStringLiteral(TASTWERK_BUILD_FLAGS));
    const QString load = loadAverage();
    if (!load.isEmpty())
        line += u"; load average %1 when the run began"_s.arg(load);
    return line;
}

} // namespace MachineInfo
