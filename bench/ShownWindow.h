#pragma once

#include "BenchDialogs.h"
#include "BenchFolder.h"
#include "EventLoop.h"
#include "library/ButtonFolderPath.h"
#include "library/LibraryController.h"
#include "shell/MainWindow.h"

// The main window shown as the program shows it, its dialogs answered by
// the bench.
struct ShownWindow
{
    ShownWindow() { EventLoop::showAsTheProgramDoes(window); }

    // The folder's buttons taken over, as "OK" in the file list does.
    LibraryController *loadButtons(const BenchFolder &folder)
    {
        window.state().buttonFolder = ButtonFolderPath::fromFolder(folder.buttonFolder());
        window.library()->acceptButtonFiles(folder.buttonNames());
        return window.library();
    }

    BenchDialogs dialogs;
    MainWindow window{dialogs};
};
