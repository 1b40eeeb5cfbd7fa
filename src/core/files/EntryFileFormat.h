#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// Menu and vocabulary files as bytes: one entry per line, nothing quoted.
// We write Windows-1252 with CR LF after every entry. We read UTF-8 when the
// bytes start with its byte order mark, or when they are valid UTF-8 of
// characters that Windows-1252 holds as well; otherwise Windows-1252. A line
// may also end in LF alone.
class EntryFileFormat
{
public:
    static QStringList entries(QByteArrayView bytes);
    // The entries of text already decoded.
    static QStringList lines(QStringView text);

    struct Encoded
    {
        QByteArray bytes;
        // The first entry that cannot be written, -1 when all can, and the
        // character that stops it ("\n" for a line break inside the entry,
        // "\0" for a null character, which no text file holds).
        int unsavableEntry = -1;
        QString unsavableCharacter;

        bool ok() const { return unsavableEntry < 0; }
    };
    static Encoded encode(const QStringList &entries);

    static QString decode(QByteArrayView bytes);

    // Other programs may save a vocabulary as UTF-16 with its byte order
    // mark; we never write it. Decoded without the mark; nothing when the
    // bytes behind the mark are no UTF-16 (an odd count, a lone surrogate).
    static bool hasUtf16Mark(QByteArrayView bytes);
    static std::optional<QString> decodeUtf16(QByteArrayView bytes);
};
