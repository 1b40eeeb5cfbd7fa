#pragma once

#include "files/EntryFile.h"

#include <QString>

// The titles, filters and messages of the file dialogs and their boxes.
namespace FileTexts {

using namespace Qt::StringLiterals;

inline QString saveTitle()
{
    return u"Datei speichern unter"_s;
}

inline QString openTitle()
{
    return u"Quonda .mnu Öffnen"_s;
}

inline QString menuFilter()
{
    return u"Dateien (*.mnu)|*.mnu|Alle Dateien (*.*)|*.*"_s;
}

inline QString vocabularyFilter()
{
    return u"Dateien (*.dat)|*.dat|Alle Dateien (*.*)|*.*"_s;
}

inline QString overwriteQuestion()
{
    return u"Datei existiert bereits. Überschreiben?"_s;
}

inline QString writeError()
{
    return u"Fehler beim Schreiben der Datei."_s;
}

inline QString readError()
{
    return u"Fehler beim Öffnen der Datei."_s;
}

inline QString menuChangedQuestion()
{
    return u"Das Menü wurde geändert. Änderungen speichern?"_s;
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
