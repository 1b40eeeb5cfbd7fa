// The vocabulary caption lookup over any vocabulary lines and command names.

#include "FuzzSupport.h"

#include "library/CaptionLookup.h"

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype Columns = 25;

void checkCommandField(const QString &line)
{
    const QStringView field = CaptionLookup::commandOf(line);
    FUZZ_CHECK(field.size() <= Columns);
    FUZZ_CHECK(field.isEmpty() || (field.front() != u' ' && field.back() != u' '));
    FUZZ_CHECK(QStringView(line).left(Columns).contains(field));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    QStringList vocabulary = FuzzSupport::lines(data, 12, 40);
    const QString command = FuzzSupport::text(data, 28);

    // A well-formed line for the command somewhere in the list, so that
    // matches are found and not only misses.
    if (data.ConsumeBool() && command.size() <= Columns) {
        const QString caption = u"x"_s + FuzzSupport::text(data, 20);
        const qsizetype at = data.ConsumeIntegralInRange<qsizetype>(0, vocabulary.size());
        vocabulary.insert(at, command.leftJustified(Columns) + caption);
    }

    for (const QString &line : vocabulary)
        checkCommandField(line);

    const std::optional<QString> caption = CaptionLookup::find(vocabulary, command);
    FUZZ_CHECK(caption == FuzzSupport::captionOf(vocabulary, command));
    if (caption)
        FUZZ_CHECK(!caption->isEmpty());
    return 0;
}
