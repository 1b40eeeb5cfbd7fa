#include "preview/PreviewController.h"

#include "preview/PreviewWindow.h"
#include "shell/MainWindow.h"

PreviewController::PreviewController(MainWindow &window)
    : QObject(&window)
    , m_window(window)
{
    setObjectName(QStringLiteral("previewController"));
}

void PreviewController::showPreview()
{
    // A window the user closed waits hidden for its deletion; it must not
    // come back with its old page.
    if (m_preview && !m_preview->isVisible())
        closePreview();
    if (!m_preview)
        m_preview = new PreviewWindow(m_window.state(), &m_window);
    m_preview->show();
    m_preview->raise();
    m_preview->activateWindow();
}

void PreviewController::closePreview()
{
    delete m_preview.data();
}

PreviewWindow *PreviewController::previewWindow() const
{
    return m_preview.data();
}
