#include "preview/PreviewRenderer.h"

#include "library/ButtonFileNames.h"
#include "library/CaptionLookup.h"
#include "model/PageNumber.h"
#include "preview/PageOpenerIndex.h"

#include <QLocale>

namespace {

// "MENUPAGE|TASK_PAGE" and "MENUITEM|TASK_PAGE" fill columns 1 to 18; the
// page number follows. The device reads only two of its digits.
constexpr qsizetype PageColumn = 18;
constexpr qsizetype PageDigits = 2;
// "MENUITEM|TASK_" fills columns 1 to 14; the command follows.
constexpr qsizetype CommandColumn = 14;
// A page opener is at least this long; a two-digit page needs one more
// character before its title has begun.
constexpr qsizetype OpenerLength = 21;

QStringView sliceOf(QStringView text, qsizetype from, qsizetype count)
{
    if (from >= text.size() || count <= 0)
        return {};
    return text.sliced(from, std::min(count, text.size() - from));
}

// The button names in upper case, in the order of the files; empty for a
// name too short to be "<command>.gif". Made once a page rather than once
// a place: upper-casing by the locale is dear.
QStringList upperCaseNames(const QStringList &buttonFiles)
{
    const QLocale locale;
    QStringList names;
    names.reserve(buttonFiles.size());
    for (const QString &file : buttonFiles)
        names.append(file.size() < 4 ? QString() : locale.toUpper(ButtonFileNames::commandName(file)));
    return names;
}

RenderedPage::Place placeFor(QStringView command, const QStringList &buttonFiles, const QStringList &upperNames,
                             const QStringList &vocabulary)
{
    const QString wanted = QLocale().toUpper(command.toString());
    RenderedPage::Place place;
    place.drawn = true;
    for (qsizetype i = 0; i < buttonFiles.size(); ++i) {
        const QString &file = buttonFiles.at(i);
        if (file.size() < 4)
            continue; // too short to be named "<command>.gif"
        const QString name = ButtonFileNames::commandName(file);
        if (upperNames.at(i) == wanted) {
            place.pictureFile = file;
            place.caption = CaptionLookup::find(vocabulary, name);
            place.command = name;
            return place;
        }
    }
    // No button file of its own: showing another command's picture would
    // lie about what the device does there, so the template stands in and
    // the command names itself.
    place.caption = command.toString();
    place.command = command.toString();
    return place;
}

} // namespace

int PreviewRenderer::pageNumber(QStringView record)
{
    return PageNumber::leadingValue(sliceOf(record, PageColumn, PageDigits));
}

bool PreviewRenderer::opensPage(QStringView record, int pageNumber)
{
    return record.size() >= OpenerLength && pageNumber != 0;
}

QStringView PreviewRenderer::title(QStringView record, int pageNumber)
{
    // The closing "|" is never part of the title.
    const qsizetype from = pageNumber <= 9 ? OpenerLength - 1 : OpenerLength;
    return sliceOf(record, from, record.size() - 1 - from);
}

QStringView PreviewRenderer::command(QStringView record, int pageNumber)
{
    qsizetype cut = 1; // the closing "|"
    if (pageNumber != 0)
        cut = record.size() < OpenerLength ? 2 : 3; // and the page number's digits
    return sliceOf(record, CommandColumn, record.size() - CommandColumn - cut);
}

RenderedPage PreviewRenderer::render(const QStringList &records, int previewPage, const QStringList &buttonFiles,
                                     const QStringList &vocabulary)
{
    PageOpenerIndex openers;
    return render(records, previewPage, buttonFiles, vocabulary, openers);
}

RenderedPage PreviewRenderer::render(const QStringList &records, int previewPage, const QStringList &buttonFiles,
                                     const QStringList &vocabulary, PageOpenerIndex &openers)
{
    RenderedPage result;
    result.previewPage = previewPage;

    // The first line of the menu is never part of a page; no record before
    // the first opener of this page or a later one takes part.
    const qsizetype count = records.size();
    const qsizetype start = openers.firstOpener(records, previewPage);
    bool openerFound = false;
    qsizetype first = -1;
    for (qsizetype index = start < 0 ? count : start; index < count; ++index) {
        const QString &record = records.at(index);
        const int page = pageNumber(record);
        if (opensPage(record, page) && page >= result.previewPage) {
            // Of a run of openers the last one wins; a 21-character opener
            // of a two-digit page carries no title.
            result.previewPage = page;
            if (page <= 9 || record.size() > OpenerLength)
                result.title = title(record, page).toString();
            openerFound = true;
        } else if (openerFound) {
            first = index;
            break;
        }
    }
    if (first < 0)
        return result;

    const QStringList upperNames = upperCaseNames(buttonFiles);
    for (int place = 0; place < RenderedPage::PlaceCount; ++place) {
        const qsizetype index = first + place;
        const QString &record = records.at(index);
        const int page = pageNumber(record);
        if (page != 0 && record.size() > OpenerLength)
            return result; // the next page begins
        result.places.at(place) = placeFor(command(record, page), buttonFiles, upperNames, vocabulary);
        if (index >= count - 1) {
            result.previewPage = 0;
            return result;
        }
    }
    return result;
}
