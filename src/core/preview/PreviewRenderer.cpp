#include "preview/PreviewRenderer.h"

#include "library/ButtonFileNames.h"
#include "library/CaptionLookup.h"
#include "model/RecordFields.h"
#include "preview/PageOpenerIndex.h"

#include <QLocale>

namespace {

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
    return RecordFields::pageNumber(record);
}

bool PreviewRenderer::opensPage(QStringView record, int pageNumber)
{
    return RecordFields::mayOpenPage(record, pageNumber);
}

QStringView PreviewRenderer::title(QStringView record, int pageNumber)
{
    return RecordFields::title(record, pageNumber);
}

QStringView PreviewRenderer::command(QStringView record, int pageNumber)
{
    return RecordFields::command(record, pageNumber);
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
            if (RecordFields::carriesTitle(record, page))
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
        if (RecordFields::opensNextPage(record, page))
            return result;
        result.places.at(place) = placeFor(command(record, page), buttonFiles, upperNames, vocabulary);
        if (index >= count - 1) {
            result.previewPage = 0;
            return result;
        }
    }
    return result;
}
