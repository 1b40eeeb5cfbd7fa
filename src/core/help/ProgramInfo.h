#pragma once

#include <QString>

namespace ProgramInfo {

using namespace Qt::StringLiterals;

inline QString version()
{
    return u"0.25"_s;
}

// "QD5 Tastwerk V 0.25": the main window's caption and the info window's title.
inline QString titleWithVersion()
{
    return u"QD5 Tastwerk V "_s + version();
}

} // namespace ProgramInfo
