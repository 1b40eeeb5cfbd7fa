#include "editor/EditorController.h"

#include "shell/MainWindow.h"

EditorController::EditorController(MainWindow &window)
    : QObject(&window)
    , m_window(window)
{
    setObjectName(QStringLiteral("editorController"));
}

void EditorController::moveEntry(int step)
{
    Q_UNUSED(step)
}
