#include "files/EntryFile.h"

#include "files/EntryFileFormat.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstring>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <unistd.h>
#endif

namespace {

// Pushes what the system holds of the file onto the disk, where a full or
// failing disk at last shows. A file system that cannot sync has nothing to
// report.
bool syncToDisk(const QFileDevice &file)
{
#ifdef Q_OS_UNIX
    return ::fsync(file.handle()) == 0 || errno == EINVAL;
#else
    Q_UNUSED(file);
    return true;
#endif
}

} // namespace

EntryFile::ReadResult EntryFile::read(const QString &path)
{
    ReadResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return result;
    // A pipe or device has no size to check beforehand; its reading stops
    // just past the limit.
    result.size = file.isSequential() ? 0 : file.size();
    if (result.size > MaximumSize) {
        result.status = Status::TooLarge;
        return result;
    }
    const QByteArray bytes = file.isSequential() ? file.read(MaximumSize + 1) : file.readAll();
    if (file.error() != QFileDevice::NoError)
        return result;
    if (bytes.size() > MaximumSize) {
        result.size = bytes.size();
        result.status = Status::TooLarge;
        return result;
    }
    result.size = bytes.size();
    if (std::memchr(bytes.constData(), '\0', std::size_t(bytes.size())) != nullptr) {
        result.status = Status::NotText;
        return result;
    }
    result.entries = EntryFileFormat::entries(bytes);
    result.status = Status::Ok;
    return result;
}

bool EntryFile::write(const QString &path, const QByteArray &bytes)
{
    const QFileInfo target(path);
    if (target.exists() && !target.isFile() && !target.isDir()) {
        QFile device(path);
        if (!device.open(QIODevice::WriteOnly))
            return false;
        const bool written = device.write(bytes) == bytes.size() && device.flush();
        device.close();
        return written && device.error() == QFileDevice::NoError;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // commit() would rename the new file over the old one even when its own
    // last flush fails, as it does on a full disk for a file small enough
    // to sit in the write buffer: every write is seen through here first.
    if (file.write(bytes) != bytes.size() || !file.flush() || !syncToDisk(file)) {
        // The new file goes with `file`; a temporary file left by a save
        // that was killed is somebody's data and stays.
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
