#pragma once

#include <QIcon>
#include <QString>

// The program's own picture: the icon of its windows and the emblem of the
// info window. The button template is ButtonPicture's.
namespace ProgramPictures {

using namespace Qt::StringLiterals;

inline QString iconPath()
{
    return u":/pictures/icon.png"_s;
}

inline QIcon icon()
{
    return QIcon(iconPath());
}

} // namespace ProgramPictures
