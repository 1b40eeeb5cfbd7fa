#pragma once

#include <QByteArrayView>
#include <QSize>

// Walks the blocks of a GIF file without decoding a pixel. A picture
// decoder shows whatever part of a cut-off file it got; this tells whether
// the file is whole (every block complete, at least one frame, the trailer
// reached) and how large its header and frames claim to be.
namespace GifStructure {

struct Info
{
    bool complete = false;
    QSize screen;       // the logical screen of the header
    QSize largestFrame; // the widest and the tallest frame
    int frames = 0;
};

Info inspect(QByteArrayView bytes);

} // namespace GifStructure
