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
    static const QPixmap picture(QStringLiteral(":/shell/template.gif"));
    return picture;
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
