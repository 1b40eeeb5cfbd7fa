#pragma once

#include <QString>

// The titles, filters and messages of the file dialogs and their boxes.
namespace FileTexts {

inline QString saveTitle()
{
    return QStringLiteral("Datei speichern unter");
}

inline QString openTitle()
{
    return QStringLiteral("Quonda .mnu Öffnen");
}

inline QString menuFilter()
{
    return QStringLiteral("Dateien (*.mnu)|*.mnu|Alle Dateien (*.*)|*.*");
}

inline QString vocabularyFilter()
{
    return QStringLiteral("Dateien (*.dat)|*.dat|Alle Dateien (*.*)|*.*");
}

inline QString overwriteQuestion()
{
    return QStringLiteral("Datei existiert bereits. Überschreiben?");
}

inline QString writeError()
{
    return QStringLiteral("Fehler beim Schreiben der Datei.");
}

inline QString readError()
{
    return QStringLiteral("Fehler beim Öffnen der Datei.");
}

inline QString menuChangedQuestion()
{
    return QStringLiteral("Das Menü wurde geändert. Änderungen speichern?");
}

QString notATextFile();
QString fileTooLarge(qint64 size, qint64 limit);
// Line counts from 1, as a person counts the lines of the file.
QString unsavableEntry(int line, const QString &entry, const QString &character);

} // namespace FileTexts
