#pragma once

#include "files/EntryFileFormat.h"
#include "files/Windows1252Codec.h"

#include <QByteArrayView>

#include <algorithm>

// The one ambiguity of a format that reads both UTF-8 and Windows-1252:
// written bytes that are at the same time valid UTF-8 beyond ASCII, of
// characters the code page holds as well (or start like its byte order
// mark), read back as UTF-8.
namespace FileBytes {

inline constexpr char ByteOrderMark[] = "\xEF\xBB\xBF";

inline bool isAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return quint8(c) < 0x80; });
}

inline bool readsBackAsWritten(QByteArrayView bytes)
{
    return !bytes.startsWith(ByteOrderMark)
           && (isAscii(bytes) || !EntryFileFormat::isValidUtf8(bytes)
               || !Windows1252Codec::canEncode(QString::fromUtf8(bytes)));
}

} // namespace FileBytes
