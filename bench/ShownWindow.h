#pragma once

#include "BenchDialogs.h"
#include "BenchFolder.h"
#include "EventLoop.h"
#include "library/ButtonArea.h"
#include "library/ButtonFolderPath.h"
#include "library/LibraryController.h"
#include "MainWindow.h"
#include "preview/PreviewController.h"

#include <QImage>

#include <algorithm>
#include <span>

// Every test and scenario spells its texts this way.
using namespace Qt::StringLiterals;

// The main window shown as the program shows it, its dialogs answered by
// the bench.
struct ShownWindow
{
    ShownWindow() { EventLoop::showAsTheProgramDoes(window); }

    // The folder's buttons taken over, as "OK" in the file list does.
    LibraryController *loadButtons(const BenchFolder &folder)
    {
        window.state().buttonFolder = ButtonFolderPath::fromFolder(folder.buttonFolder());
        library()->acceptButtonFiles(folder.buttonNames());
        return library();
    }

    // The main window's controls and controllers, by their objectNames.
    template<typename T = QWidget>
    T *child(const QString &name) const
    {
        return window.findChild<T *>(name);
    }
    LibraryController *library() const { return child<LibraryController>(u"libraryController"_s); }
    PreviewController *preview() const { return child<PreviewController>(u"previewController"_s); }
    ButtonField &buttonField() const { return child<ButtonArea>(u"Picture1"_s)->field(); }

    // Once our side passed its own checks, what is left to go wrong: a
    // picture the floor could not decode, or a box nobody expected.
    QString otherFailure(std::span<const QImage> floorDecoded) const
    {
        if (std::any_of(floorDecoded.begin(), floorDecoded.end(), [](const QImage &image) { return image.isNull(); }))
            return u"the floor could not decode a picture"_s;
        return dialogs.unexpectedMessages();
    }

    BenchDialogs dialogs;
    MainWindow window{dialogs};
};
