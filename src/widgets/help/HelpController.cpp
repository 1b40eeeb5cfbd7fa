#include "help/HelpController.h"

#include "help/HelpTexts.h"
#include "help/InfoWindow.h"
#include "help/TextWindow.h"

using namespace Qt::StringLiterals;

namespace {

// A window that was closed is only waiting to be deleted.
template<typename Window>
Window *openWindow(const QPointer<Window> &window)
{
    return window && window->isVisible() ? window.data() : nullptr;
}

void bringToFront(QWidget *window)
{
    // Asked for by the menu, so a minimised window comes back into view.
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

template<typename Window>
Window *openOrCreate(QPointer<Window> &window)
{
    if (!openWindow(window)) {
        window = new Window;
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    return window.data();
}

} // namespace

HelpController::HelpController(QObject *parent)
    : QObject(parent)
{
    setObjectName(u"helpController"_s);
}

HelpController::~HelpController()
{
    // They have no owner to take them along when the main window goes
    // without closing them first.
    delete m_text.data();
    delete m_info.data();
}

void HelpController::showManual()
{
    showText(u"Anleitung"_s, HelpTexts::manual());
}

void HelpController::showHistory()
{
    showText(u"Historie"_s, HelpTexts::history());
}

void HelpController::showText(const QString &caption, const QString &text)
{
    TextWindow *window = openOrCreate(m_text);
    bringToFront(window);
    window->showText(caption, text);
}

void HelpController::showInfo()
{
    bringToFront(openOrCreate(m_info));
}

void HelpController::closeText()
{
    if (TextWindow *window = openWindow(m_text))
        window->close();
}

void HelpController::closeInfo()
{
    if (InfoWindow *window = openWindow(m_info))
        window->close();
}

TextWindow *HelpController::textWindow() const
{
    return openWindow(m_text);
}

InfoWindow *HelpController::infoWindow() const
{
    return openWindow(m_info);
}
