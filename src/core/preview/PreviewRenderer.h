#pragma once

#include "preview/RenderedPage.h"

class PageOpenerIndex;

#include <QStringList>

// Reads the menu records the way the device does (RecordFields) and
// works out what one preview page shows: the first page whose opener is
// numbered `previewPage` or higher, with at most six of its items.
class PreviewRenderer
{
public:
    static RenderedPage render(const QStringList &records, int previewPage, const QStringList &buttonFiles,
                               const QStringList &vocabulary);
    // The same, finding the page through `openers`, which knows `records`.
    static RenderedPage render(const QStringList &records, int previewPage, const QStringList &buttonFiles,
                               const QStringList &vocabulary, PageOpenerIndex &openers);

    // The fields the device reads at fixed columns of any record.
    static int pageNumber(QStringView record);
    // Whether `record`, whose page number is `pageNumber`, opens a page.
    static bool opensPage(QStringView record, int pageNumber);
    static QStringView title(QStringView record, int pageNumber);
    static QStringView command(QStringView record, int pageNumber);
};
