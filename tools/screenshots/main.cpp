// Makes the pictures of docs/screenshots: run it under an X server (Xvfb)
// with the button set, the folder the pictures go to and an empty working
// folder (its path shows in the folder list, so a short one reads best).
#include "common/GermanTranslation.h"
#include "ScreenshotTour.h"

#include <QApplication>
#include <QTextStream>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"QD5 Tastwerk"_s);
    GermanTranslation::install(app);
    const QStringList args = QApplication::arguments();
    QTextStream err(stderr);
    if (args.size() != 4) {
        err << "usage: tastwerk_screenshots <button-folder> <output-folder> <working-folder>\n";
        return 2;
    }
    ScreenshotTour tour(args.at(1), args.at(2), args.at(3));
    if (!tour.run()) {
        err << "screenshots: " << tour.error() << '\n';
        return 1;
    }
    return 0;
}
