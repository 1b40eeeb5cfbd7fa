#include "files/EntryFileFormat.h"

#include "files/Windows1252Codec.h"

#include <QStringDecoder>
#include <QtEndian>

#include <cstring>

namespace {

constexpr char Utf8ByteOrderMark[] = "\xEF\xBB\xBF";

bool startsWithByteOrderMark(QByteArrayView bytes)
{
    return bytes.size() >= 3 && std::memcmp(bytes.data(), Utf8ByteOrderMark, 3) == 0;
}

qsizetype firstLineBreakOrNull(QStringView entry)
{
    for (qsizetype at = 0; at < entry.size(); ++at) {
        if (entry[at] == u'\n' || entry[at] == u'\0')
            return at;
    }
    return -1;
}

} // namespace

QStringList EntryFileFormat::entries(QByteArrayView bytes)
{
    return lines(decode(bytes));
}

QStringList EntryFileFormat::lines(QStringView text)
{
    QStringList found;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        const qsizetype next = end < 0 ? text.size() : end + 1;
        if (end < 0)
            end = text.size();
        else if (end > start && text[end - 1] == u'\r')
            --end;
        found.append(text.sliced(start, end - start).toString());
        start = next;
    }
    return found;
}

QString EntryFileFormat::decode(QByteArrayView bytes)
{
    if (startsWithByteOrderMark(bytes)) {
        // The mark promises UTF-8; bytes that break the promise still read
        // as Windows-1252 instead of turning into replacement characters.
        const QByteArrayView rest = bytes.sliced(3);
        if (!rest.isValidUtf8())
            return Windows1252Codec::decode(rest);
        // A second mark is text: QString::fromUtf8 would drop it as well.
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        return utf8.decode(rest);
    }
    if (bytes.isValidUtf8()) {
        // Our own files are Windows-1252, and some happen to be valid UTF-8
        // as well ("ß…" is DF 85). Read as UTF-8 they would hold characters
        // that no save of ours can write; such bytes are taken as ours.
        QString text = QString::fromUtf8(bytes);
        if (Windows1252Codec::canEncode(text))
            return text;
    }
    return Windows1252Codec::decode(bytes);
}

EntryFileFormat::Encoded EntryFileFormat::encode(const QStringList &entries)
{
    // One character is one byte: the whole file is sized at once and each
    // entry is written straight into it.
    qsizetype total = 0;
    for (const QString &entry : entries)
        total += entry.size() + 2;
    Encoded result;
    result.bytes.resize(total);
    char *out = result.bytes.data();
    for (qsizetype row = 0; row < entries.size(); ++row) {
        const QString &entry = entries.at(row);
        const qsizetype written = Windows1252Codec::encodeInto(entry, out);
        if (written < entry.size() || std::memchr(out, '\n', std::size_t(written)) != nullptr
            || std::memchr(out, '\0', std::size_t(written)) != nullptr) {
            // A line break or a null character anywhere is what is named,
            // even behind a character the code page lacks: the one would
            // split the entry, the other make a file that the reader refuses
            // as not being text.
            const qsizetype breaking = firstLineBreakOrNull(entry);
            const qsizetype at = breaking >= 0 ? breaking : written;
            const bool pair = entry.at(at).isHighSurrogate() && at + 1 < entry.size();
            result.unsavableEntry = int(row);
            result.unsavableCharacter = entry.mid(at, pair ? 2 : 1);
            result.bytes.clear();
            return result;
        }
        out += written;
        *out++ = '\r';
        *out++ = '\n';
    }
    return result;
}

bool EntryFileFormat::hasUtf16Mark(QByteArrayView bytes)
{
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
}

std::optional<QString> EntryFileFormat::decodeUtf16(QByteArrayView bytes)
{
    if (!hasUtf16Mark(bytes) || bytes.size() % 2 != 0)
        return std::nullopt;
    const bool littleEndian = bytes.startsWith("\xFF\xFE");
    const auto *data = reinterpret_cast<const uchar *>(bytes.data());
    QString text(bytes.size() / 2 - 1, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const uchar *unit = data + 2 * (i + 1);
        text[i] = QChar(littleEndian ? qFromLittleEndian<char16_t>(unit) : qFromBigEndian<char16_t>(unit));
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (text.at(i).isSurrogate())
            return std::nullopt;
    }
    return text;
}
