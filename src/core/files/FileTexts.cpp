#include "files/FileTexts.h"

#include <QDir>
#include <QList>

using namespace Qt::StringLiterals;

namespace {

QString megabytes(qint64 bytes)
{
    return QString::number(double(bytes) / (1024.0 * 1024.0), 'f', 1).replace(u'.', u',');
}

} // namespace

QString FileTexts::readFailureReason(EntryFile::Status status, qint64 size)
{
    switch (status) {
    case EntryFile::Status::NotAFile:
        return u"Das ist keine gewöhnliche Datei, sondern ein Ordner, ein Gerät oder eine Pipe."_s;
    case EntryFile::Status::NotText: return u"Die Datei enthält Nullbytes und ist keine Textdatei."_s;
    case EntryFile::Status::NotUtf16:
        return u"Die Datei beginnt mit der Kennung von UTF-16, ist dahinter aber kein gültiger UTF-16-Text."_s;
    case EntryFile::Status::TooLarge:
        return u"Die Datei ist %1 MB groß; geöffnet werden Dateien bis %2 MB."_s.arg(
            megabytes(size), QString::number(EntryFile::MaximumSize / (qint64{1024} * 1024)));
    case EntryFile::Status::Ok:
    case EntryFile::Status::CannotRead: break;
    }
    return u"Die Datei lässt sich nicht lesen."_s;
}

QString FileTexts::readFailure(EntryFile::Status status, qint64 size)
{
    // A file that is gone or locked needs no more words than the box's own.
    if (status == EntryFile::Status::CannotRead)
        return readError();
    return readError() + u"\r\n\r\n"_s + readFailureReason(status, size);
}

QString FileTexts::vocabularyNotRead(const QString &path, EntryFile::Status status, qint64 size)
{
    return u"Quonda.dat konnte nicht gelesen werden: %1\r\n\r\n%2\r\n\r\nStattdessen gilt das eingebaute Vokabular."_s
        .arg(readFailureReason(status, size), QDir::toNativeSeparators(path));
}

QString FileTexts::unsavableEntry(int line, const QString &entry, const QString &character)
{
    const QString shown = entry.size() > 60 ? entry.left(60) + u'…' : entry;
    QString reason;
    if (character == u"\n"_s) {
        reason = u"enthält einen Zeilenumbruch; jeder Eintrag muss in einer Zeile der Datei stehen."_s;
    } else if (character == QString(QChar(u'\0'))) {
        reason = u"enthält ein Nullzeichen (U+0000); eine Datei damit ließe sich nicht wieder öffnen."_s;
    } else {
        const uint codePoint = character.toUcs4().value(0);
        const QString hex = QString::number(codePoint, 16).toUpper().rightJustified(4, u'0');
        reason = u"enthält das Zeichen „%1“ (U+%2), das der Zeichensatz der Datei (Windows-1252) nicht kennt."_s.arg(
            character, hex);
    }
    return u"Die Datei wurde nicht gespeichert.\r\n\r\nDer Eintrag in Zeile %1 %2\r\n\r\n%3\r\n\r\n"
           u"Bitte ändern Sie diesen Eintrag und speichern Sie dann erneut."_s.arg(QString::number(line), reason,
                                                                                   shown);
}
