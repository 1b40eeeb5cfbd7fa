#pragma once

#include <QByteArray>
#include <QSize>

// Small GIF files written byte by byte, good and broken: a test can make any
// header claim and any amount of picture data without an image library.
namespace GifBytes {

// A GIF89a of two colours whose logical screen is `screen` and whose one
// frame is `frame`; the frame's first `pixels` pixels are encoded (all of
// them when negative), alternating the two colours row by row.
QByteArray picture(QSize screen, QSize frame, qint64 pixels = -1);

inline QByteArray picture(QSize size)
{
    return picture(size, size);
}

} // namespace GifBytes
