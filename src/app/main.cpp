#include "common/WindowPlacement.h"
#include "common/GermanTranslation.h"
#include "MainWindow.h"
#include "common/QtUserDialogs.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QD5 Tastwerk"));
    GermanTranslation::install(app);

    QtUserDialogs dialogs;
    MainWindow window(dialogs);
    dialogs.setParent(&window);
    window.adjustSize();
    window.setGeometry(WindowPlacement::centredOnScreen(window.size(), window.screen()->availableGeometry()));
    window.show();
    return QApplication::exec();
}
