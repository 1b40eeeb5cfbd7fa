#include "library/ButtonPicture.h"

#include <QImageReader>

namespace ButtonPicture {

namespace {

// Button pictures are 80 x 50; anything claiming more than this is not one
// of them and is not worth the memory.
constexpr int MaxSide = 2048;

} // namespace

QPixmap templatePicture()
{
    // Not kept in a static: a pixmap must not outlive the application.
    return QPixmap(QStringLiteral(":/shell/template.gif"));
}

QPixmap load(const QString &filePath)
{
    QImageReader reader(filePath);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > MaxSide || size.height() > MaxSide)
        return templatePicture();
    const QImage image = reader.read();
    if (image.isNull())
        return templatePicture();
    return QPixmap::fromImage(image);
}

} // namespace ButtonPicture
