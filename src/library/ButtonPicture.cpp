#include "library/ButtonPicture.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

namespace ButtonPicture {

namespace {

// Button pictures are 80 x 50; anything claiming more than this is not one
// of them and is not worth the memory.
constexpr int MaxSide = 2048;
// A picture file larger than this holds no button: a full-size picture of
// MaxSide x MaxSide in true colour, uncompressed, would fit.
constexpr qint64 MaxFileSize = qint64(MaxSide) * MaxSide * 4;

} // namespace

QPixmap templatePicture()
{
    // Not kept in a static: a pixmap must not outlive the application.
    return QPixmap(QStringLiteral(":/shell/template.gif"));
}

QPixmap load(const QString &filePath)
{
    // Read in one go and decoded from memory: the reader would otherwise
    // probe, scan and seek the file with a system call each time, which
    // costs more than the decoding of so small a picture.
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxFileSize)
        return templatePicture();
    QByteArray bytes = file.readAll();
    file.close();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    // The contents tell the format: a picture in the wrong suffix loads.
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > MaxSide || size.height() > MaxSide)
        return templatePicture();
    const QImage image = reader.read();
    if (image.isNull())
        return templatePicture();
    return QPixmap::fromImage(image);
}

} // namespace ButtonPicture
