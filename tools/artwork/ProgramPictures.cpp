#include "ProgramPictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

using namespace Qt::StringLiterals;

namespace ProgramPictures {

QImage icon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    p.setPen(QPen(QColor(40, 40, 48), 1.5));
    p.setBrush(QColor(70, 76, 90));
    p.drawRoundedRect(QRectF(4.5, 1.5, 23, 29), 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 230, 250));
    p.drawRect(QRectF(7, 5, 18, 21));
    const QColor faces[] = {QColor(0, 128, 0),   QColor(192, 64, 0),   QColor(30, 90, 200),
                            QColor(220, 170, 0), QColor(120, 40, 160), QColor(0, 128, 0)};
    for (int j = 0; j < 6; ++j) {
        p.setBrush(faces[j]);
        p.drawRoundedRect(QRectF(8.5 + (j % 2) * 8.5, 6.5 + (j / 2) * 6.5, 6.5, 5), 1, 1);
    }
    p.setBrush(QColor(180, 180, 190));
    p.drawEllipse(QPointF(16, 28), 1.5, 1.5);
    return image;
}

QImage templateButton()
{
    QImage image(80, 50, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient face(0, 0, 0, 50);
    face.setColorAt(0, QColor(236, 236, 240));
    face.setColorAt(1, QColor(176, 180, 190));
    p.fillRect(image.rect(), face);
    p.setPen(Qt::white);
    p.drawLine(0, 0, 79, 0);
    p.drawLine(0, 0, 0, 49);
    p.setPen(QColor(90, 90, 100));
    p.drawLine(0, 49, 79, 49);
    p.drawLine(79, 0, 79, 49);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(110, 110, 125), 2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(8, 8, 64, 34), 6, 6);
    QFont font(u"DejaVu Sans"_s);
    font.setPixelSize(22);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(90, 90, 110));
    p.drawText(QRect(0, 0, 80, 50), Qt::AlignCenter, u"?"_s);
    return image;
}

QImage arrow(bool up)
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.moveTo(16, 3);
    path.lineTo(29, 17);
    path.lineTo(21, 17);
    path.lineTo(21, 29);
    path.lineTo(11, 29);
    path.lineTo(11, 17);
    path.lineTo(3, 17);
    path.closeSubpath();
    if (!up)
        p.setTransform(QTransform(1, 0, 0, -1, 0, 32));
    p.setPen(QPen(QColor(20, 20, 20), 1.5));
    p.setBrush(Qt::white);
    p.drawPath(path);
    return image;
}

} // namespace ProgramPictures
