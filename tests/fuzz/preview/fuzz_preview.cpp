// One preview page drawn from any records, button file names and vocabulary.

#include "FuzzSupport.h"

#include "preview/PreviewRenderer.h"

using namespace Qt::StringLiterals;

namespace {

QString digits(FuzzedDataProvider &data)
{
    // Page numbers of any width, leading zeros and all.
    const std::size_t width = data.ConsumeIntegralInRange<std::size_t>(0, 6);
    QString text;
    for (std::size_t i = 0; i < width; ++i)
        text.append(QChar(u'0' + data.ConsumeIntegralInRange<int>(0, 9)));
    return text;
}

QString record(FuzzedDataProvider &data)
{
    switch (data.ConsumeIntegralInRange<int>(0, 5)) {
    case 0: {
        const QString page = digits(data);
        return u"MENUPAGE|TASK_PAGE"_s + page + u'|' + FuzzSupport::text(data, 24) + u' ' + page + u'|';
    }
    case 1: return u"MENUITEM|TASK_"_s + FuzzSupport::text(data, 20) + u'|';
    case 2: return u"MENUITEM|TASK_PAGE"_s + digits(data) + u'|';
    case 3: return u"MENUITEM|TASK_PAGE1|"_s;
    case 4: return u"MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|"_s;
    default: return FuzzSupport::text(data, 30);
    }
}

QStringList buttonFiles(FuzzedDataProvider &data)
{
    const std::size_t count = data.ConsumeIntegralInRange<std::size_t>(0, 8);
    QStringList files;
    for (std::size_t i = 0; i < count; ++i) {
        QString name = FuzzSupport::text(data, 12);
        if (data.ConsumeBool())
            name += u".gif"_s;
        files << name;
    }
    return files;
}

void check(const QStringList &records, int previewPage, const QStringList &files, const QStringList &vocabulary)
{
    const RenderedPage page = PreviewRenderer::render(records, previewPage, files, vocabulary);

    // The page number stays, goes to 0 after the last record, or moves on
    // to an opener at or past the one asked for; the device reads only two
    // of its digits.
    FUZZ_CHECK(page.previewPage == previewPage || page.previewPage == 0
               || (page.previewPage > previewPage && page.previewPage <= 99));

    // The drawn places are the first ones, no more than six, and never more
    // than the records behind an opener.
    int drawn = 0;
    while (drawn < RenderedPage::PlaceCount && page.places.at(drawn).drawn)
        ++drawn;
    for (int place = drawn; place < RenderedPage::PlaceCount; ++place)
        FUZZ_CHECK(!page.places.at(place).drawn);
    FUZZ_CHECK(drawn <= std::max<qsizetype>(0, records.size() - 2));

    for (int place = 0; place < drawn; ++place) {
        const RenderedPage::Place &shown = page.places.at(place);
        if (shown.pictureFile) {
            // A picture of the list, named by its command, captioned from
            // the vocabulary or not at all.
            FUZZ_CHECK(files.contains(*shown.pictureFile));
            FUZZ_CHECK(shown.pictureFile->size() >= 4);
            FUZZ_CHECK(shown.command == shown.pictureFile->chopped(4));
            FUZZ_CHECK(shown.caption == FuzzSupport::captionOf(vocabulary, shown.command));
        }
    }

    // The first line of the menu is never part of a page.
    if (!records.isEmpty()) {
        QStringList otherFirst = records;
        otherFirst[0] = u"MENUPAGE|TASK_PAGE1|Anders 1|"_s;
        FUZZ_CHECK(page == PreviewRenderer::render(otherFirst, previewPage, files, vocabulary));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const int previewPage = data.ConsumeIntegralInRange<int>(0, 100);
    const QStringList files = buttonFiles(data);
    const QStringList vocabulary = FuzzSupport::lines(data, 6, 40);
    const std::size_t count = data.ConsumeIntegralInRange<std::size_t>(0, 24);
    QStringList records;
    for (std::size_t i = 0; i < count && data.remaining_bytes() > 0; ++i)
        records << record(data);
    check(records, previewPage, files, vocabulary);
    return 0;
}
