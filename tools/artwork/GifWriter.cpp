#include "GifWriter.h"

#include <QFile>
#include <QHash>

#include <gif_lib.h>

#include <algorithm>
#include <vector>

namespace GifWriter {

namespace {

int outputToBuffer(GifFileType *gif, const GifByteType *data, int length)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(data), length);
    return length;
}

QList<QRgb> paletteOf(const QImage &image)
{
    QHash<QRgb, int> uses;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++uses[image.pixel(x, y) | 0xff000000u];
    std::vector<std::pair<int, QRgb>> byUse;
    for (auto it = uses.cbegin(); it != uses.cend(); ++it)
        byUse.emplace_back(it.value(), it.key());
    std::sort(byUse.begin(), byUse.end(), [](const auto &a, const auto &b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    QList<QRgb> palette;
    for (const auto &entry : byUse) {
        if (palette.size() == 256)
            break;
        palette.append(entry.second);
    }
    return palette;
}

int nearest(const QList<QRgb> &palette, QRgb colour)
{
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i = 0; i < palette.size(); ++i) {
        const int dr = qRed(palette[i]) - qRed(colour);
        const int dg = qGreen(palette[i]) - qGreen(colour);
        const int db = qBlue(palette[i]) - qBlue(colour);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

} // namespace

QByteArray encode(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const QList<QRgb> palette = paletteOf(image);
    const int bits = std::max(1, GifBitSize(int(palette.size())));

    ColorMapObject *map = GifMakeMapObject(1 << bits, nullptr);
    for (int i = 0; i < map->ColorCount; ++i) {
        const QRgb colour = i < palette.size() ? palette[i] : 0;
        map->Colors[i] =
            GifColorType{GifByteType(qRed(colour)), GifByteType(qGreen(colour)), GifByteType(qBlue(colour))};
    }

    QByteArray bytes;
    int error = 0;
    GifFileType *gif = EGifOpen(&bytes, outputToBuffer, &error);
    bool ok = gif && EGifPutScreenDesc(gif, image.width(), image.height(), bits, 0, map) == GIF_OK
              && EGifPutImageDesc(gif, 0, 0, image.width(), image.height(), false, nullptr) == GIF_OK;
    QHash<QRgb, GifByteType> indexOf;
    std::vector<GifByteType> line(image.width());
    for (int y = 0; ok && y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb colour = image.pixel(x, y) | 0xff000000u;
            auto found = indexOf.constFind(colour);
            if (found == indexOf.cend())
                found = indexOf.insert(colour, GifByteType(nearest(palette, colour)));
            line[x] = *found;
        }
        ok = EGifPutLine(gif, line.data(), image.width()) == GIF_OK;
    }
    if (gif)
        ok = EGifCloseFile(gif, &error) == GIF_OK && ok;
    GifFreeMapObject(map);
    return ok ? bytes : QByteArray();
}

bool save(const QImage &image, const QString &path)
{
    const QByteArray bytes = encode(image);
    QFile file(path);
    return !bytes.isEmpty() && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace GifWriter
