#pragma once

#include <QString>

namespace ProgramInfo {

inline QString version()
{
    return QStringLiteral("0.25");
}

// "QD5 Tastwerk V 0.25": the main window's caption and the info window's title.
inline QString titleWithVersion()
{
    return QStringLiteral("QD5 Tastwerk V ") + version();
}

} // namespace ProgramInfo
