#include "preview/PreviewController.h"

#include "model/ProgramState.h"
#include "preview/PageOpenerIndex.h"
#include "preview/PreviewWindow.h"

using namespace Qt::StringLiterals;

PreviewController::PreviewController(const ProgramState &state, QWidget *owner, QObject *parent)
    : QObject(parent)
    , m_state(state)
    , m_owner(owner)
    , m_openers(new PageOpenerIndex(state.recordList, this))
{
    setObjectName(u"previewController"_s);
}

void PreviewController::showPreview()
{
    // A window the user closed waits hidden for its deletion; it must not
    // come back with its old page.
    if (m_preview && !m_preview->isVisible())
        closePreview();
    if (!m_preview)
        m_preview = new PreviewWindow(m_state, *m_openers, m_owner);
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
