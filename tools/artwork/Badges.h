#pragma once

#include <QColor>

class QPainter;

// The small round marks beside a pictogram that tell an action (add,
// delete, load …) on the same thing apart.
namespace Badges {

enum class Badge { None, Plus, Cross, Down, Question, Gear, List, Reload, Check, Off, Power, Play };

// Drawn centred on the painter's origin, radius 7.5.
void drawBadge(QPainter &p, Badge badge, const QColor &face);

} // namespace Badges
