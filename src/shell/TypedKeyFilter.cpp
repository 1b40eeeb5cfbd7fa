#include "shell/TypedKeyFilter.h"

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
        // included), not arrows or function keys.
        if (!key->text().isEmpty())
            emit keyTyped(key->text().front());
    } else if (event->type() == QEvent::KeyRelease) {
        emit keyReleased();
    }
    return QObject::eventFilter(watched, event);
}
