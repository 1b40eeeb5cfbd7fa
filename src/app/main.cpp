#include "common/GermanTranslation.h"
#include "common/QtUserDialogs.h"
#include "common/WindowPlacement.h"
#include "MainWindow.h"

#include <QApplication>
#include <QScreen>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"QD5 Tastwerk"_s);
    GermanTranslation::install(app);

    QtUserDialogs dialogs;
    MainWindow window(dialogs);
    dialogs.setParent(&window);
    window.adjustSize();
    window.setGeometry(WindowPlacement::centredOnScreen(window.size(), window.screen()->availableGeometry()));
    window.show();
    return QApplication::exec();
}
