#include "TestFolder.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

TestFolder::TestFolder()
    : m_previous(QDir::currentPath())
    , m_dir(QDir::tempPath() + u"/tastwerk-test-XXXXXX"_s)
{
    QDir::setCurrent(m_dir.path());
}

TestFolder::~TestFolder()
{
    QDir::setCurrent(m_previous);
}

QString TestFolder::write(const QString &name, const QByteArray &bytes) const
{
    const QString path = filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

QByteArray TestFolder::read(const QString &name) const
{
    QFile file(filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
