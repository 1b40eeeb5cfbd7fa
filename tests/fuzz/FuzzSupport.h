#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <optional>

// A broken invariant is a finding like a crash: print what failed and abort,
// so libFuzzer keeps the input that did it.
#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #condition);                     \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)

namespace FuzzSupport {

// Text as a person or a file could bring it. Most of it comes from a small
// alphabet of the characters the record readers care about (digits, blanks,
// "|", commas, quotes, line ends, umlauts); the rest is any UTF-16 unit,
// lone surrogate halves included.
inline QString text(FuzzedDataProvider &data, std::size_t maxLength)
{
    static constexpr char16_t Alphabet[] = u"0123456789 |,\"\r\nagpPEGIFmu_.\u00e4\u00c4\u00df\u20ac\t-";
    constexpr std::size_t AlphabetSize = sizeof(Alphabet) / sizeof(Alphabet[0]) - 1;
    const std::size_t length = data.ConsumeIntegralInRange<std::size_t>(0, maxLength);
    QString result;
    result.reserve(qsizetype(length));
    for (std::size_t i = 0; i < length && data.remaining_bytes() > 0; ++i) {
        const quint8 pick = data.ConsumeIntegral<quint8>();
        if (pick < 224)
            result.append(QChar(Alphabet[pick % AlphabetSize]));
        else
            result.append(QChar(data.ConsumeIntegral<char16_t>()));
    }
    return result;
}

inline QStringList lines(FuzzedDataProvider &data, std::size_t maxCount, std::size_t maxLength)
{
    const std::size_t count = data.ConsumeIntegralInRange<std::size_t>(0, maxCount);
    QStringList result;
    for (std::size_t i = 0; i < count && data.remaining_bytes() > 0; ++i)
        result.append(text(data, maxLength));
    return result;
}

// The caption the device shows for a command, found independently of the
// program's lookup: the rest of the first line whose first 25 columns hold
// the command between blanks (tabs and line ends belong to the name); a
// line no longer than that ends the search.
inline std::optional<QString> captionOf(const QStringList &vocabulary, const QString &command)
{
    for (const QString &line : vocabulary) {
        if (line.size() <= 25)
            return std::nullopt;
        QString field = line.left(25);
        while (field.startsWith(u' '))
            field.remove(0, 1);
        while (field.endsWith(u' '))
            field.chop(1);
        if (field == command)
            return line.mid(25);
    }
    return std::nullopt;
}

inline bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace FuzzSupport
