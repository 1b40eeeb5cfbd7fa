#pragma once

#include <QPalette>
#include <QRect>

class OverviewPages;
class QPainter;

// One page of the overview as the window and the PDF sheet show it: its
// number above it, the page drawn to the size of `page`, a mark on each
// place that turns the page naming the page it turns to. A page no chain
// of page turns reaches, and a mark whose page does not exist, are red.
namespace PageCell {

void paint(QPainter &painter, const QRect &label, const QRect &page, int index, OverviewPages &pages,
           const QPalette &palette);

} // namespace PageCell
