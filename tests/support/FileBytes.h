#pragma once

#include "files/Windows1252Codec.h"

#include <QByteArrayView>
#include <QString>

#include <algorithm>

// The one ambiguity of a format that reads both UTF-8 and Windows-1252:
// written bytes that are at the same time valid UTF-8 beyond ASCII, of
// characters the code page holds as well (or start like its byte order
// mark), read back as UTF-8. Validity is Qt's decoder's verdict, not the
// reader's own check.
namespace FileBytes {

inline constexpr char ByteOrderMark[] = "\xEF\xBB\xBF";

inline bool isAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return quint8(c) < 0x80; });
}

// Qt drops a byte order mark at the start, hence the letter in front.
inline bool isUtf8(QByteArrayView bytes)
{
    const QByteArray lettered = "x" + bytes.toByteArray();
    return QString::fromUtf8(lettered).toUtf8() == lettered;
}

inline bool readsBackAsWritten(QByteArrayView bytes)
{
    return !bytes.startsWith(ByteOrderMark)
           && (isAscii(bytes) || !isUtf8(bytes) || !Windows1252Codec::canEncode(QString::fromUtf8(bytes)));
}

} // namespace FileBytes
