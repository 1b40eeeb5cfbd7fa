#pragma once

#include "files/EntryFile.h"

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

// Why a file of `size` bytes was not read, one sentence.
QString readFailureReason(EntryFile::Status status, qint64 size);
// "Fehler beim Öffnen der Datei." and, where there is more to say, why.
QString readFailure(EntryFile::Status status, qint64 size);
// The box at start-up when the working folder's "Quonda.dat" is there but
// cannot be read.
QString vocabularyNotRead(const QString &path, EntryFile::Status status, qint64 size);
// Line counts from 1, as a person counts the lines of the file.
QString unsavableEntry(int line, const QString &entry, const QString &character);

} // namespace FileTexts
