#pragma once

#include <QDir>
#include <QTemporaryDir>

// A temporary folder that is the current directory while the object lives;
// the folder that was current before is restored at the end.
class TestFolder
{
public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder &) = delete;
    TestFolder &operator=(const TestFolder &) = delete;

    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    // Writes the bytes into a file of this folder (folders on the way are made).
    QString write(const QString &name, const QByteArray &bytes) const;
    QByteArray read(const QString &name) const;

private:
    QString m_previous;
    QTemporaryDir m_dir;
};
