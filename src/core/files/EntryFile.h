#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Reading and writing a whole menu or vocabulary file on disk.
class EntryFile
{
public:
    // A menu file of a million records is some 30 MB; far larger files are
    // no menu files, and reading them would only tie up memory.
    static constexpr qint64 MaximumSize = qint64{40} * 1024 * 1024;

    enum class Status {
        Ok,
        CannotRead,
        NotAFile, // a folder, device or pipe
        NotText,
        NotUtf16, // behind a UTF-16 byte order mark
        TooLarge,
    };

    struct ReadResult
    {
        Status status = Status::CannotRead;
        QStringList entries; // only when the whole file was read
        qint64 size = 0;
    };

    // In one go: read, decode once, split once. Only a regular file is read;
    // a pipe would keep us waiting for a writer that may never come.
    static ReadResult read(const QString &path);

    // Replaces the file as a whole: when anything fails, the old file stays
    // as it was and no partial file is left behind. A writable file in a
    // folder that takes no new files, a device or a pipe cannot be
    // replaced, so it is written to directly; a pipe that nobody reads
    // fails at once.
    static bool write(const QString &path, const QByteArray &bytes);
};
