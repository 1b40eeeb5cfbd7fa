#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The code page the device and its menu files use. Our own table keeps the
// program free of a codec library. The five bytes the code page leaves
// undefined stand for the control characters of the same number, so any
// byte read in is written back unchanged.
class Windows1252Codec
{
public:
    static QString decode(QByteArrayView bytes);

    // Whether the code page holds every character of `text`.
    static bool canEncode(QStringView text);

    // Appends the bytes of `text` to `out`. Returns false, leaving `out`
    // partly extended, at the first character the code page cannot hold.
    static bool appendEncoded(QStringView text, QByteArray &out);

    // Writes the bytes of `text` to `out`, which has room for one byte per
    // character. Returns how many characters were written: all of them, or
    // those before the first one the code page cannot hold.
    static qsizetype encodeInto(QStringView text, char *out);
};
