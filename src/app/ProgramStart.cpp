#include "ProgramStart.h"

#include "commandline/CommandLine.h"
#include "common/WindowPlacement.h"
#include "dialogs/UserDialogs.h"
#include "MainWindow.h"

#include <QScreen>

namespace ProgramStart {

void show(MainWindow &window, UserDialogs &dialogs, const CommandLine &commandLine)
{
    window.adjustSize();
    window.setGeometry(WindowPlacement::centredOnScreen(window.size(), window.screen()->availableGeometry()));
    window.show();
    // Only now, so that a message about the file stands over the window.
    if (!commandLine.menuFile.isEmpty())
        window.openMenuFile(commandLine.menuFile);
    if (!commandLine.ignoredFiles.isEmpty()) {
        dialogs.message(CommandLine::ignoredFilesNotice(commandLine.ignoredFiles), UserDialogs::Icon::Information,
                        UserDialogs::Buttons::Ok);
    }
}

} // namespace ProgramStart
