#include "common/ButtonPicture.h"

#include "library/GifStructure.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

using namespace Qt::StringLiterals;

namespace ButtonPicture {

namespace {

// Button pictures are 80 x 50 and a few kilobytes; anything claiming more
// than this is not one of them and is not worth the memory.
constexpr int MaxSide = 2048;
constexpr qint64 MaxFileSize = qint64(8) * 1024 * 1024;

bool fits(QSize size)
{
    return size.width() <= MaxSide && size.height() <= MaxSide;
}

} // namespace

QPixmap templatePicture()
{
    // Not kept in a static: a pixmap must not outlive the application.
    return QPixmap(u":/pictures/template.gif"_s);
}

QPixmap load(const QString &filePath)
{
    // Folders, devices and pipes named like a picture are none.
    if (!QFileInfo(filePath).isFile())
        return templatePicture();
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxFileSize)
        return templatePicture();
    // Read in one go and decoded from memory: the reader would otherwise
    // probe and seek the file with a system call each time, and the check
    // below wants the bytes anyway.
    QByteArray bytes = file.read(MaxFileSize + 1);
    if (bytes.size() > MaxFileSize)
        return templatePicture();

    // Only a whole GIF: the decoder would show the half of a cut-off file,
    // and a PNG or JPEG that merely carries the name is no button picture.
    const GifStructure::Info gif = GifStructure::inspect(bytes);
    if (!gif.complete || !fits(gif.screen) || !fits(gif.largestFrame))
        return templatePicture();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    if (image.isNull())
        return templatePicture();
    return QPixmap::fromImage(image);
}

} // namespace ButtonPicture
