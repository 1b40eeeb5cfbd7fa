#pragma once

#include "files/Windows1252Codec.h"

#include <QFile>
#include <QStringList>

// What many tests build the same way: files of the source tree, vocabulary
// lines and the worked example.
namespace TestData {

inline QString sourcePath(const QString &relative)
{
    return qEnvironmentVariable("TASTWERK_SOURCE_DIR") + u'/' + relative;
}

inline QByteArray sourceBytes(const QString &relative)
{
    QFile file(sourcePath(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Our vocabulary file, a line an entry.
inline QStringList vocabulary()
{
    return Windows1252Codec::decode(sourceBytes(QStringLiteral("data/Quonda.dat")))
        .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

// The command in its 25 columns, then the caption.
inline QString vocabularyLine(const QString &command, const QString &caption)
{
    return command.leftJustified(25) + caption;
}

// "e0" … "e<n-1>".
inline QStringList numbered(int n)
{
    QStringList entries;
    for (int i = 0; i < n; ++i)
        entries << QStringLiteral("e%1").arg(i);
    return entries;
}

// The twelve records the builder makes for two pages titled "Optionen".
inline const QStringList WorkedExample = {
    QStringLiteral("MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|"),
    QStringLiteral("MENUPAGE|TASK_PAGE1|Optionen 1|"),
    QStringLiteral("MENUITEM|TASK_NAVIGATE_TO|"),
    QStringLiteral("MENUITEM|TASK_SHOW_MAP|"),
    QStringLiteral("MENUITEM|TASK_PLAN_VIA|"),
    QStringLiteral("MENUITEM|TASK_ADD_FAVORITE|"),
    QStringLiteral("MENUITEM|TASK_SET_VOLUME|"),
    QStringLiteral("MENUITEM|TASK_PAGE2|"),
    QStringLiteral("MENUPAGE|TASK_PAGE2|Optionen 2|"),
    QStringLiteral("MENUITEM|TASK_SWITCH_NIGHTVIEW|"),
    QStringLiteral("MENUITEM|TASK_SET_LANGUAGE|"),
    QStringLiteral("MENUITEM|TASK_PAGE1|"),
};

} // namespace TestData
