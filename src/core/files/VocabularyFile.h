#pragma once

#include "files/EntryFile.h"

#include <QString>
#include <QStringList>

// "Quonda.dat", the command and caption lines read at start-up.
class VocabularyFile
{
public:
    static QString fileName()
    {
        using namespace Qt::StringLiterals;
        return u"Quonda.dat"_s;
    }
    static QString pathIn(const QString &folder);

    struct Loaded
    {
        QStringList lines;
        // Why the folder's file was not read; the built-in lines stand in.
        // Ok when it was read, and when the folder has none.
        EntryFile::Status status = EntryFile::Status::Ok;
        qint64 size = 0;
    };

    // The lines of the folder's "Quonda.dat". When the folder has none, or
    // one that cannot be read, the copy built into the program; it is not
    // written anywhere.
    static Loaded load(const QString &folder);
    static QStringList builtIn();
};
