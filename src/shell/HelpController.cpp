#include "shell/HelpController.h"

#include "shell/MainWindow.h"

HelpController::HelpController(MainWindow &window)
    : QObject(&window)
    , m_window(window)
{
    setObjectName(QStringLiteral("helpController"));
}

void HelpController::showManual()
{
}

void HelpController::showHistory()
{
}

void HelpController::showInfo()
{
}

void HelpController::closeText()
{
}

void HelpController::closeInfo()
{
}
