#pragma once

#include <QDate>
#include <QImage>
#include <QString>

#include <optional>

class OverviewPages;
class QIODevice;

// Keeping what the menu will look like: one picture per page, or one
// printable PDF of all pages. Every file is written whole or not at all.
namespace PageExport {

// Pictures are twice the device's size: sharp enough to print or to show
// beside a manual.
inline constexpr int ImageScale = 2;
// PDF sheets hold this many pages side by side, this many rows down.
inline constexpr int SheetColumns = 4;
inline constexpr int SheetRows = 3;

// "Seite-01.png", …: numbered in list order, with as many digits as the
// last number needs (at least two), so that the names sort as the pages.
QString imageName(int index, int count);
QImage pageImage(OverviewPages &pages, int index);
// Writes every page into `folder`; the name of the picture that could not
// be written, or nothing when all were.
std::optional<QString> writeImages(OverviewPages &pages, const QString &folder);

// The line above the pages: the menu's file name and the day.
QString heading(const QString &menuFile, QDate day);

// A4 upright: the heading, then the pages in a grid with their numbers and
// page-turn marks. False when the device took no PDF.
bool writePdf(OverviewPages &pages, QIODevice *device, const QString &heading);

} // namespace PageExport
