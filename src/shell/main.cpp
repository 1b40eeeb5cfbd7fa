#include "preview/WindowPlacement.h"
#include "shell/GermanTranslation.h"
#include "shell/MainWindow.h"
#include "shell/QtUserDialogs.h"
#include "shell/ShutdownSignals.h"

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
    // Logging out, Ctrl+C and a closed terminal end the program as "&Ende"
    // does, with its questions.
    ShutdownSignals shutdownSignals;
    QObject::connect(&shutdownSignals, &ShutdownSignals::received, &window, &QWidget::close);
    window.adjustSize();
    window.setGeometry(WindowPlacement::centredOnScreen(window.size(), window.screen()->availableGeometry()));
    window.show();
    return QApplication::exec();
}
