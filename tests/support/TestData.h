#pragma once

#include "files/Windows1252Codec.h"

#include <QFile>
#include <QStringList>

// What many tests build the same way: files of the source tree, vocabulary
// lines and the worked example.
namespace TestData {

using namespace Qt::StringLiterals;

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
    return Windows1252Codec::decode(sourceBytes(u"data/Quonda.dat"_s)).split(u"\r\n"_s, Qt::SkipEmptyParts);
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
        entries << u"e%1"_s.arg(i);
    return entries;
}

// The twelve records the builder makes for two pages titled "Optionen".
inline const QStringList WorkedExample = {
    u"MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|"_s,
    u"MENUPAGE|TASK_PAGE1|Optionen 1|"_s,
    u"MENUITEM|TASK_NAVIGATE_TO|"_s,
    u"MENUITEM|TASK_SHOW_MAP|"_s,
    u"MENUITEM|TASK_PLAN_VIA|"_s,
    u"MENUITEM|TASK_ADD_FAVORITE|"_s,
    u"MENUITEM|TASK_SET_VOLUME|"_s,
    u"MENUITEM|TASK_PAGE2|"_s,
    u"MENUPAGE|TASK_PAGE2|Optionen 2|"_s,
    u"MENUITEM|TASK_SWITCH_NIGHTVIEW|"_s,
    u"MENUITEM|TASK_SET_LANGUAGE|"_s,
    u"MENUITEM|TASK_PAGE1|"_s,
};

} // namespace TestData
