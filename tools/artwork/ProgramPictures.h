#pragma once

#include <QImage>

// The pictures the windows carry, drawn here rather than taken from anywhere.
namespace ProgramPictures {

// A handheld showing a page of six buttons, drawn at 32 x 32 and scaled to
// `size` so the desktop's larger icon stays sharp.
QImage icon(int size = 32);
QImage templateButton(); // 80 x 50: the picture every new button starts with
QImage arrow(bool up);   // 32 x 32: the pictures of the move buttons

} // namespace ProgramPictures
