#pragma once

#include <QColor>

class QPushButton;

// The coloured faces of the builder's paging button and the move buttons.
namespace ButtonFace {

inline const QColor Green(0, 128, 0);
inline const QColor RedOrange(192, 64, 0);

void paint(QPushButton *button, const QColor &colour);

} // namespace ButtonFace
