#pragma once

#include "BenchDialogs.h"
#include "BenchFolder.h"
#include "EventLoop.h"
#include "library/ButtonFolderPath.h"
#include "library/LibraryController.h"
#include "MainWindow.h"

#include <QImage>

#include <algorithm>
#include <span>

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

    // Once our side passed its own checks, what is left to go wrong: a
    // picture the floor could not decode, or a box nobody expected.
    QString otherFailure(std::span<const QImage> floorDecoded) const
    {
        if (std::any_of(floorDecoded.begin(), floorDecoded.end(), [](const QImage &image) { return image.isNull(); }))
            return QStringLiteral("the floor could not decode a picture");
        return dialogs.unexpectedMessages();
    }

    BenchDialogs dialogs;
    MainWindow window{dialogs};
};
