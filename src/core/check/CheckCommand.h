#pragma once

#include <QString>
#include <QTextStream>

// "--check FILE.mnu [--buttons FOLDER] [--vocabulary FILE]": the menu
// checker without a window. It reads the file as "&Öffnen" does and prints
// one line per finding the way compilers do ("FILE:LINE: Fehler: …").
namespace CheckCommand {

enum ExitCode { NoErrors = 0, ErrorsFound = 1, CannotRead = 2 };

// An empty buttons folder: no pictures are checked. An empty vocabulary
// path: "Quonda.dat" of the working folder, or the one built in, as at
// start-up.
int run(const QString &menuPath, const QString &buttonsFolder, const QString &vocabularyPath, QTextStream &out,
        QTextStream &err);

} // namespace CheckCommand
