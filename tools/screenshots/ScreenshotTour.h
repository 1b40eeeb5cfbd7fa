#pragma once

#include "builder/Builder.h"
#include "MainWindow.h"
#include "TourDialogs.h"

#include <QDir>

#include <memory>

class ClickableImage;
class QWidget;

// Walks a fresh program through the user's road (choose the folder, load
// the buttons, compose a two-page menu, preview it, check it, read the
// manual and the information) and saves a picture of each window on the way.
class ScreenshotTour
{
public:
    // `workingFolder` must be empty or missing: the program starts there.
    ScreenshotTour(const QString &buttonSet, const QString &outputFolder, const QString &workingFolder);
    ~ScreenshotTour();

    // False, with the reason in `error()`, when a step did not come out.
    bool run();
    QString error() const { return m_error; }

private:
    bool prepareWorkingFolder();
    bool chooseAndLoadButtons();
    bool composeMenu();
    bool showFirstBatch();
    bool previewMenu();
    bool showOverview();
    bool checkMenu();
    bool showHelpWindows();
    bool showEditMenu();

    bool grab(QWidget *window, const QString &name);
    bool fail(const QString &reason);
    bool noBoxShown(const QString &step);
    void clickBuilder(Builder builder);
    // A control or controller of the main window, by its objectName.
    template<typename T = QWidget>
    T *child(const QString &name) const
    {
        return m_window->findChild<T *>(name);
    }
    ClickableImage *shownButton(const QString &command) const;
    bool clickButton(const QString &command);

    QString m_buttonSet;
    QDir m_output;
    QDir m_workingFolder;
    QString m_previousFolder;
    TourDialogs m_dialogs;
    std::unique_ptr<MainWindow> m_window;
    QString m_error;
};
