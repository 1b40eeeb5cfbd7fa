#pragma once

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

    // The lines of the folder's "Quonda.dat". When the folder has none, the
    // copy built into the program; it is not written anywhere. A file that
    // cannot be read gives no lines and no message.
    static QStringList load(const QString &folder);
    static QStringList builtIn();
};
