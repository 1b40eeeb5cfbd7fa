#pragma once

#include <QGuiApplication>
#include <QPalette>
#include <QRect>

class QPainter;
struct ShownPage;

// Draws one device page as the preview window shows it: the title line,
// the sunken frame and the six places with picture and caption. It paints
// at 166 x 270 in the painter's coordinates, so a scaled painter gives a
// larger picture of the same page on any device: a window, an image, a
// PDF page. The preview window, the overview and the exports all draw
// through here, so that they show the same page.
namespace PagePainter {

inline constexpr QSize DeviceSize(166, 270);

QRect titleRect();
QRect frameRect();
QRect pictureRect(int place);
QRect captionRect(int place);

void paint(QPainter &painter, const ShownPage &page, const QPalette &palette = QGuiApplication::palette());

} // namespace PagePainter
