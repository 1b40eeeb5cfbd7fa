#include "editor/TypedKeyFilter.h"

#include <QKeyEvent>

TypedKeyFilter::TypedKeyFilter(QObject *watched)
    : QObject(watched)
{
    watched->installEventFilter(this);
}

bool TypedKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // Only keys that type a character count (Return and Backspace
        // included), not arrows or function keys, nor Tab and Shift+Tab,
        // which carry a tab character but only move the focus on. Both
        // Return keys type a carriage return, whatever text the platform
        // attaches.
        const bool movesFocus = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            emit keyTyped(QChar(u'\r'));
        else if (!key->text().isEmpty() && !movesFocus)
            emit keyTyped(key->text().front());
    } else if (event->type() == QEvent::KeyRelease) {
        emit keyReleased();
    }
    return QObject::eventFilter(watched, event);
}
