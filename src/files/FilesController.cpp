#include "files/FilesController.h"

#include "shell/MainWindow.h"

#include <QDir>

FilesController::FilesController(MainWindow &window)
    : QObject(&window)
    , m_window(window)
{
    setObjectName(QStringLiteral("filesController"));
}

void FilesController::openMenuFile()
{
}

void FilesController::saveMenuFile()
{
}

void FilesController::loadVocabulary()
{
}

void FilesController::offerToSaveChangedMenu()
{
}

void FilesController::saveVocabularyAtExit()
{
}

void FilesController::restoreStartDirectory()
{
    QDir::setCurrent(m_window.state().startDirectory);
}
