#pragma once

#include <QObject>

// Watches an edit field and reports each typed character before the field
// sees it, and each key release; the event itself is passed on unchanged.
class TypedKeyFilter : public QObject
{
    Q_OBJECT

public:
    explicit TypedKeyFilter(QObject *watched);

signals:
    void keyTyped(QChar character);
    void keyReleased();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
