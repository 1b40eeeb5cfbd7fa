#include "files/VocabularyFile.h"

#include "files/EntryFile.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

QString VocabularyFile::pathIn(const QString &folder)
{
    return QDir(folder).filePath(fileName());
}

QStringList VocabularyFile::load(const QString &folder)
{
    const QString path = pathIn(folder);
    if (!QFileInfo::exists(path))
        return builtIn();
    return EntryFile::read(path).entries;
}

QStringList VocabularyFile::builtIn()
{
    return EntryFile::read(u":/files/Quonda.dat"_s).entries;
}
