#include "overview/PageExport.h"

#include "overview/OverviewPages.h"
#include "overview/PageCell.h"
#include "preview/PagePainter.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace PageExport {

QString imageName(int index, int count)
{
    const int digits = std::max(2, static_cast<int>(QString::number(count).size()));
    return u"Seite-%1.png"_s.arg(index + 1, digits, 10, QChar(u'0'));
}

QImage pageImage(OverviewPages &pages, int index)
{
    QImage image(PagePainter::DeviceSize * ImageScale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.scale(ImageScale, ImageScale);
    PagePainter::paint(painter, pages.shown(index));
    return image;
}

std::optional<QString> writeImages(OverviewPages &pages, const QString &folder)
{
    const QDir target(folder);
    for (int index = 0; index < pages.count(); ++index) {
        const QString name = imageName(index, pages.count());
        QSaveFile file(target.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || !pageImage(pages, index).save(&file, "PNG") || !file.commit())
            return name;
    }
    return std::nullopt;
}

QString heading(const QString &menuFile, QDate day)
{
    const QString menu = menuFile.isEmpty() ? u"Unbenanntes Menü"_s : QFileInfo(menuFile).fileName();
    return menu + u" – "_s + day.toString(u"dd.MM.yyyy"_s);
}

bool writePdf(OverviewPages &pages, QIODevice *device, const QString &heading)
{
    QPdfWriter writer(device);
    writer.setTitle(heading);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Portrait);
    writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&writer))
        return false;

    // In the printable area, in the writer's units.
    const int width = writer.width();
    const int height = writer.height();
    const int gap = width / 60;
    const int headingHeight = height / 25;
    const int cellWidth = (width - (SheetColumns - 1) * gap) / SheetColumns;
    const QSize page(cellWidth, cellWidth * PagePainter::DeviceSize.height() / PagePainter::DeviceSize.width());
    const int labelHeight = height / 40;
    const int rowHeight = labelHeight + page.height() + gap;

    QFont headingFont = painter.font();
    headingFont.setPointSizeF(11);
    headingFont.setBold(true);
    QFont labelFont = painter.font();
    labelFont.setPointSizeF(8);

    const int perSheet = SheetColumns * SheetRows;
    for (int index = 0; index < pages.count(); ++index) {
        const int onSheet = index % perSheet;
        if (onSheet == 0) {
            if (index > 0)
                writer.newPage();
            painter.setFont(headingFont);
            painter.setPen(Qt::black);
            painter.drawText(QRect(0, 0, width, headingHeight), Qt::AlignLeft | Qt::AlignTop, heading);
        }
        const int column = onSheet % SheetColumns;
        const int row = onSheet / SheetColumns;
        const QPoint origin(column * (cellWidth + gap), headingHeight + row * rowHeight);
        painter.setFont(labelFont);
        PageCell::paint(painter, QRect(origin, QSize(cellWidth, labelHeight)),
                        QRect(origin + QPoint(0, labelHeight), page), index, pages, QGuiApplication::palette());
    }
    return painter.end();
}

} // namespace PageExport
