#include "preview/PreviewController.h"

#include "shell/MainWindow.h"

PreviewController::PreviewController(MainWindow &window)
    : QObject(&window)
    , m_window(window)
{
    setObjectName(QStringLiteral("previewController"));
}

void PreviewController::showPreview()
{
}

void PreviewController::closePreview()
{
}
