#pragma once

#include "preview/RenderedPage.h"

#include <QStringList>

// Reads the menu records the way the device does (RecordFields) and
// works out what one preview page shows: the first page whose opener is
// numbered `previewPage` or higher, with at most six of its items.
class PreviewRenderer
{
public:
    static RenderedPage render(const QStringList &records, int previewPage, const QStringList &buttonFiles,
                               const QStringList &vocabulary);

    // The fields the device reads at fixed columns of any record.
    static int pageNumber(QStringView record);
    static QStringView title(QStringView record, int pageNumber);
    static QStringView command(QStringView record, int pageNumber);
};
