#include "common/ButtonFace.h"

#include <QPushButton>

void ButtonFace::paint(QPushButton *button, const QColor &colour)
{
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, colour);
    button->setPalette(palette);
    button->setAutoFillBackground(true);
}
