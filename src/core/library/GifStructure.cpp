#include "library/GifStructure.h"

#include <algorithm>

namespace GifStructure {

namespace {

constexpr qsizetype HeaderSize = 13; // signature, version, logical screen
constexpr char Extension = 0x21;
constexpr char ImageDescriptor = 0x2c;
constexpr char Trailer = 0x3b;
constexpr int ColourTableFlag = 0x80;
constexpr int MaximumCodeSize = 11; // LZW codes have at most 12 bits

class Reader
{
public:
    explicit Reader(QByteArrayView bytes)
        : m_bytes(bytes)
    {
    }

    bool has(qsizetype count) const { return count <= m_bytes.size() - m_at; }
    quint8 byte() { return quint8(m_bytes[m_at++]); }
    int word()
    {
        const int low = byte();
        return low | byte() << 8;
    }
    bool skip(qsizetype count)
    {
        if (!has(count))
            return false;
        m_at += count;
        return true;
    }
    // Sub-blocks of up to 255 bytes, each behind its length, up to the
    // empty one.
    bool skipSubBlocks()
    {
        while (has(1)) {
            const quint8 length = byte();
            if (length == 0)
                return true;
            if (!skip(length))
                return false;
        }
        return false;
    }
    bool skipColourTable(int flags)
    {
        return (flags & ColourTableFlag) == 0 || skip(3 * (qsizetype(2) << (flags & 7)));
    }

private:
    QByteArrayView m_bytes;
    qsizetype m_at = 0;
};

} // namespace

Info inspect(QByteArrayView bytes)
{
    Info info;
    if (bytes.size() < HeaderSize || !(bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a")))
        return info;
    Reader reader(bytes);
    reader.skip(6);
    const int width = reader.word();
    const int height = reader.word();
    info.screen = QSize(width, height);
    const int flags = reader.byte();
    reader.skip(2); // background colour, aspect ratio
    if (!reader.skipColourTable(flags))
        return info;

    while (reader.has(1)) {
        switch (char(reader.byte())) {
        case Extension:
            if (!reader.skip(1) || !reader.skipSubBlocks())
                return info;
            break;
        case ImageDescriptor: {
            if (!reader.has(9))
                return info;
            reader.skip(4); // left, top
            const int frameWidth = reader.word();
            const int frameHeight = reader.word();
            const int frameFlags = reader.byte();
            if (!reader.skipColourTable(frameFlags) || !reader.has(1) || reader.byte() > MaximumCodeSize
                || !reader.skipSubBlocks())
                return info;
            info.largestFrame = info.largestFrame.expandedTo(QSize(frameWidth, frameHeight));
            ++info.frames;
            break;
        }
        case Trailer: info.complete = info.frames > 0; return info;
        default: return info;
        }
    }
    return info;
}

} // namespace GifStructure
