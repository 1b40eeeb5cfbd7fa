#pragma once

#include <QString>

// The manual and the version history shown by "&Anleitung" and "&Historie".
// Lines are joined by CR LF, with none after the last line.
namespace HelpTexts {

QString manual();
QString history();

} // namespace HelpTexts
