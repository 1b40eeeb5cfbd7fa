// Draws the program's pictures and our button set into the source tree. The results are
// committed, so building the program needs neither this tool nor giflib;
// run `make artwork` after changing a drawing.
#include "ButtonSet.h"
#include "GifWriter.h"
#include "ProgramPictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

using namespace Qt::StringLiterals;

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
    bool ok = ProgramPictures::icon().save(shell.filePath(u"icon.png"_s))
              && ProgramPictures::icon(128).save(shell.filePath(u"icon_128.png"_s))
              && GifWriter::save(ProgramPictures::templateButton(), shell.filePath(u"template.gif"_s))
              && ProgramPictures::arrow(true).save(shell.filePath(u"arrow_up.png"_s))
              && ProgramPictures::arrow(false).save(shell.filePath(u"arrow_down.png"_s));
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
