#include "files/VocabularyFile.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

QString VocabularyFile::pathIn(const QString &folder)
{
    return QDir(folder).filePath(fileName());
}

VocabularyFile::Loaded VocabularyFile::load(const QString &folder)
{
    const QString path = pathIn(folder);
    if (!QFileInfo::exists(path))
        return {builtIn(), EntryFile::Status::Ok, 0};
    EntryFile::ReadResult read = EntryFile::read(path);
    if (read.status != EntryFile::Status::Ok)
        return {builtIn(), read.status, read.size};
    return {std::move(read.entries), EntryFile::Status::Ok, read.size};
}

QStringList VocabularyFile::builtIn()
{
    return EntryFile::read(u":/files/Quonda.dat"_s).entries;
}
