#include "shell/ProgramStart.h"

#include "preview/WindowPlacement.h"
#include "shell/CommandLine.h"
#include "shell/MainWindow.h"
#include "shell/UserDialogs.h"

#include <QScreen>

namespace ProgramStart {

void show(MainWindow &window, const CommandLine &commandLine)
{
    window.adjustSize();
    window.setGeometry(WindowPlacement::centredOnScreen(window.size(), window.screen()->availableGeometry()));
    window.show();
    // Only now, so that a message about the file stands over the window.
    if (!commandLine.menuFile.isEmpty())
        window.openMenuFile(commandLine.menuFile);
    if (!commandLine.ignoredFiles.isEmpty()) {
        window.dialogs().message(CommandLine::ignoredFilesNotice(commandLine.ignoredFiles),
                                 UserDialogs::Icon::Information, UserDialogs::Buttons::Ok);
    }
}

} // namespace ProgramStart
