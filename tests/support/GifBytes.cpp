#include "GifBytes.h"

#include <algorithm>

namespace GifBytes {

namespace {

void appendWord(QByteArray &out, int value)
{
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

// LZW with a minimum code size of 2 that never grows its table past two
// entries: a clear code before every pair of pixels keeps every code at
// three bits. Large, but any decoder reads it.
QByteArray lzw(QSize frame, qint64 pixels, bool striped)
{
    constexpr int Clear = 4;
    constexpr int End = 5;
    QByteArray codes;
    quint32 buffer = 0;
    int bits = 0;
    auto put = [&](int code) {
        buffer |= quint32(code) << bits;
        bits += 3;
        while (bits >= 8) {
            codes.append(char(buffer & 0xff));
            buffer >>= 8;
            bits -= 8;
        }
    };
    const int width = std::max(1, frame.width());
    for (qint64 i = 0; i < pixels; ++i) {
        if (i % 2 == 0)
            put(Clear);
        put(striped ? int((i / width) % 2) : 0);
    }
    put(End);
    if (bits > 0)
        codes.append(char(buffer & 0xff));
    return codes;
}

QByteArray gif(QSize screen, QSize frame, qint64 pixels, quint32 first, bool striped)
{
    if (pixels < 0)
        pixels = qint64(frame.width()) * frame.height();
    QByteArray out("GIF89a");
    appendWord(out, screen.width());
    appendWord(out, screen.height());
    out.append(char(0x80)); // global colour table of two entries
    out.append(char(0));    // background colour
    out.append(char(0));    // aspect ratio
    out.append(char(first >> 16 & 0xff));
    out.append(char(first >> 8 & 0xff));
    out.append(char(first & 0xff));
    out.append("\xff\xff\xff", 3);
    out.append(char(0x2c)); // image descriptor
    appendWord(out, 0);
    appendWord(out, 0);
    appendWord(out, frame.width());
    appendWord(out, frame.height());
    out.append(char(0));
    out.append(char(2)); // minimum code size
    const QByteArray codes = lzw(frame, pixels, striped);
    for (qsizetype at = 0; at < codes.size(); at += 255) {
        const qsizetype length = std::min<qsizetype>(255, codes.size() - at);
        out.append(char(length));
        out.append(codes.mid(at, length));
    }
    out.append(char(0));    // block terminator
    out.append(char(0x3b)); // trailer
    return out;
}

} // namespace

QByteArray picture(QSize screen, QSize frame, qint64 pixels)
{
    return gif(screen, frame, pixels, 0x000000, true);
}

QByteArray filled(QSize size, quint32 rgb)
{
    return gif(size, size, -1, rgb, false);
}

} // namespace GifBytes
