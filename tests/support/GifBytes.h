#pragma once

#include <QByteArray>
#include <QSize>

// Small GIF files written byte by byte, good and broken: a test can make any
// header claim and any amount of picture data without an image library.
namespace GifBytes {

// A GIF89a whose logical screen is `screen` and whose one frame is `frame`;
// the frame's first `pixels` pixels are encoded (all of them when
// negative), rows alternating black and white.
QByteArray picture(QSize screen, QSize frame, qint64 pixels = -1);

// A whole picture of `size` filled with the colour 0xRRGGBB.
QByteArray filled(QSize size, quint32 rgb);

} // namespace GifBytes
