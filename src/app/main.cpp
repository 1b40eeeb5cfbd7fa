#include "commandline/CommandLine.h"
#include "common/GermanTranslation.h"
#include "common/QtUserDialogs.h"
#include "MainWindow.h"
#include "ProgramStart.h"
#include "ShutdownSignals.h"

#include <QApplication>
#include <QTextStream>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    // Read before any application object exists: a command that answers
    // on the terminal must not need a display.
    const CommandLine commandLine = CommandLine::parse(CommandLine::arguments(argc, argv));
    if (!commandLine.needsWindow()) {
        QTextStream out(stdout);
        QTextStream err(stderr);
        return commandLine.runWithoutWindow(out, err);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(u"QD5 Tastwerk"_s);
    // Desktops find the window's entry, icon and name through it.
    QGuiApplication::setDesktopFileName(u"de.qd5tastwerk.Tastwerk"_s);
    GermanTranslation::install(app);

    QtUserDialogs dialogs;
    MainWindow window(dialogs);
    dialogs.setParent(&window);
    // Logging out, Ctrl+C and a closed terminal end the program as "&Ende"
    // does, with its questions.
    ShutdownSignals shutdownSignals;
    QObject::connect(&shutdownSignals, &ShutdownSignals::received, &window, &QWidget::close);
    ProgramStart::show(window, dialogs, commandLine);
    return QApplication::exec();
}
