// The menu and vocabulary file reader over any bytes: both decodings, any
// line ends, and the writer's round trip.

#include "FuzzSupport.h"

#include "FileBytes.h"
#include "files/EntryFileFormat.h"

using FileBytes::ByteOrderMark;
using FileBytes::isAscii;
using FileBytes::isUtf8;
using FileBytes::readsBackAsWritten;

namespace {

QByteArrayView withoutMark(QByteArrayView bytes)
{
    return bytes.startsWith(ByteOrderMark) ? bytes.sliced(3) : bytes;
}

// Bytes the reader takes as Windows-1252 for sure. Bytes behind a byte
// order mark, or valid UTF-8 beyond ASCII of characters the code page holds
// as well, read as UTF-8: the one ambiguity of a format that accepts both.
bool readsAsWindows1252(QByteArrayView bytes)
{
    const QByteArrayView body = withoutMark(bytes);
    if (!isUtf8(body))
        return true;
    return body.size() == bytes.size() && (isAscii(body) || !Windows1252Codec::canEncode(QString::fromUtf8(body)));
}

// Every line break written as CR LF, the last line included.
bool isCanonical(QByteArrayView bytes)
{
    for (qsizetype at = 0; at < bytes.size(); ++at) {
        if (bytes[at] == '\n' && (at == 0 || bytes[at - 1] != '\r'))
            return false;
    }
    return bytes.isEmpty() || bytes.endsWith("\r\n");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    const QStringList entries = EntryFileFormat::entries(bytes);

    // One entry per line, line ends never inside an entry.
    const QByteArrayView body = withoutMark(bytes);
    const qsizetype breaks = std::count(body.begin(), body.end(), '\n');
    FUZZ_CHECK(entries.size() == breaks + (body.isEmpty() || body.endsWith('\n') ? 0 : 1));
    for (const QString &entry : entries)
        FUZZ_CHECK(!entry.contains(u'\n'));

    // Nothing is made up: a replacement character only comes from the file.
    if (!bytes.contains("\xEF\xBF\xBD")) {
        for (const QString &entry : entries)
            FUZZ_CHECK(!entry.contains(QChar::ReplacementCharacter));
    }

    const EntryFileFormat::Encoded encoded = EntryFileFormat::encode(entries);
    // Null bytes make no text file: the file reader refuses them whole.
    if (readsAsWindows1252(bytes) && !bytes.contains('\0')) {
        // Every byte read in as Windows-1252 is written back unchanged.
        FUZZ_CHECK(encoded.ok());
        if (isCanonical(body))
            FUZZ_CHECK(encoded.bytes == body);
    }
    if (encoded.ok()) {
        FUZZ_CHECK(isCanonical(encoded.bytes));
        if (readsBackAsWritten(encoded.bytes))
            FUZZ_CHECK(EntryFileFormat::entries(encoded.bytes) == entries);
    } else {
        const QString &entry = entries.at(encoded.unsavableEntry);
        FUZZ_CHECK(entry.contains(encoded.unsavableCharacter));
        FUZZ_CHECK(!encoded.unsavableCharacter.isEmpty());
    }
    return 0;
}
