// Draws the program's pictures and our button set into the source tree. The results are
// committed, so building the program needs neither this tool nor giflib;
// run `make artwork` after changing a drawing.
#include "ButtonSet.h"
#include "GifWriter.h"
#include "ProgramPictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    QTextStream err(stderr);
    if (args.size() < 3) {
        err << "usage: tastwerk_artwork <shell-resources-folder> <button-folder>\n";
        return 2;
    }
    const QDir shell(args.at(1));
    bool ok = ProgramPictures::icon().save(shell.filePath(QStringLiteral("icon.png")))
              && ProgramPictures::icon(128).save(shell.filePath(QStringLiteral("icon_128.png")))
              && GifWriter::save(ProgramPictures::templateButton(), shell.filePath(QStringLiteral("template.gif")))
              && ProgramPictures::arrow(true).save(shell.filePath(QStringLiteral("arrow_up.png")))
              && ProgramPictures::arrow(false).save(shell.filePath(QStringLiteral("arrow_down.png")));
    if (!ok) {
        err << "could not write the program's pictures into " << shell.path() << '\n';
        return 1;
    }
    if (!ButtonSet::write(args.at(2))) {
        err << "could not write the button set into " << args.at(2) << '\n';
        return 1;
    }
    return 0;
}
