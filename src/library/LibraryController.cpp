#include "library/LibraryController.h"

#include "shell/MainWindow.h"

LibraryController::LibraryController(MainWindow &window)
    : QObject(&window)
    , m_window(window)
{
    setObjectName(QStringLiteral("libraryController"));
}

void LibraryController::showNextBatch()
{
}

void LibraryController::releaseButtonField()
{
}

void LibraryController::closeFileList()
{
}
