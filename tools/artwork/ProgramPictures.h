#pragma once

#include <QImage>

// The pictures the windows carry, drawn here rather than taken from anywhere.
namespace ProgramPictures {

QImage icon();           // 32 x 32: a handheld showing a page of six buttons
QImage templateButton(); // 80 x 50: the picture every new button starts with
QImage arrow(bool up);   // 32 x 32: the pictures of the move buttons

} // namespace ProgramPictures
