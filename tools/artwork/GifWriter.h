#pragma once

#include <QByteArray>
#include <QImage>

// Writes a picture as a GIF (Qt reads GIF but cannot write it). Pictures of
// more than 256 colours are reduced to the 256 most used, each other pixel
// taking the nearest of them.
namespace GifWriter {

QByteArray encode(const QImage &image);
bool save(const QImage &image, const QString &path);

} // namespace GifWriter
