#include "files/FileTexts.h"

#include <QList>

using namespace Qt::StringLiterals;

namespace {

QString megabytes(qint64 bytes)
{
    return QString::number(double(bytes) / (1024.0 * 1024.0), 'f', 1).replace(u'.', u',');
}

} // namespace

QString FileTexts::notATextFile()
{
    return readError() + u"\r\n\r\nDie Datei enthält Nullbytes und ist keine Textdatei."_s;
}

QString FileTexts::fileTooLarge(qint64 size, qint64 limit)
{
    return readError()
           + u"\r\n\r\nDie Datei ist %1 MB groß; geöffnet werden Dateien bis %2 MB."_s.arg(
               megabytes(size), QString::number(limit / (qint64{1024} * 1024)));
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
