#include "files/FilesController.h"

#include "preview/PreviewController.h"
#include "shell/MainWindow.h"

FilesController::FilesController(MainWindow &window)
    : QObject(&window)
    , m_window(window)
    , m_commands(window.state(), window.dialogs())
{
    setObjectName(QStringLiteral("filesController"));
}

void FilesController::openMenuFile()
{
    m_commands.openMenuFile([this] { m_window.preview()->closePreview(); });
}

void FilesController::saveMenuFile()
{
    m_commands.saveMenuFile();
}

void FilesController::loadVocabulary()
{
    m_commands.loadVocabulary();
}

bool FilesController::offerToSaveChangedMenu()
{
    return m_commands.offerToSaveChangedMenu();
}

bool FilesController::saveVocabularyAtExit()
{
    return SaveProcedure::leftNothingUnsaved(m_commands.saveVocabularyAtExit());
}

void FilesController::restoreStartDirectory()
{
    m_commands.restoreStartDirectory();
}
