#include "files/EntryFile.h"

#include "files/EntryFileFormat.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstring>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

using Status = EntryFile::Status;

// Resources are compiled into the program, not files of the system.
bool isResource(const QString &path)
{
    return path.startsWith(u':');
}

// Opens `path` for reading when it is a regular file. On Unix the open
// itself does not wait, and what it opened is checked again: a name that
// turned into a pipe after the first look is refused all the same.
Status openRegularFile(QFile &file, const QString &path)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return Status::NotAFile;
#ifdef Q_OS_UNIX
    if (!isResource(path)) {
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            return Status::CannotRead;
        struct stat status;
        if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
            ::close(fd);
            return Status::NotAFile;
        }
        if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
            ::close(fd);
            return Status::CannotRead;
        }
        return Status::Ok;
    }
#endif
    file.setFileName(path);
    return file.open(QIODevice::ReadOnly) ? Status::Ok : Status::CannotRead;
}

// Opens a device or pipe for writing. A pipe that nobody reads would block
// the open until somebody does; it fails at once instead.
bool openDevice(QFile &device, const QString &path)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    // Once open, the writes may wait for the reader as usual.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0
        || !device.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
#else
    device.setFileName(path);
    return device.open(QIODevice::WriteOnly);
#endif
}

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
    QFile file;
    result.status = openRegularFile(file, path);
    if (result.status != Status::Ok)
        return result;
    result.status = Status::CannotRead;
    result.size = file.size();
    if (result.size > MaximumSize) {
        result.status = Status::TooLarge;
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return result;
    // It may have grown since its size was taken.
    result.size = bytes.size();
    if (bytes.size() > MaximumSize) {
        result.status = Status::TooLarge;
        return result;
    }
    if (EntryFileFormat::hasUtf16Mark(bytes)) {
        const std::optional<QString> text = EntryFileFormat::decodeUtf16(bytes);
        if (!text) {
            result.status = Status::NotUtf16;
            return result;
        }
        if (text->contains(QChar(u'\0'))) {
            result.status = Status::NotText;
            return result;
        }
        result.entries = EntryFileFormat::lines(*text);
        result.status = Status::Ok;
        return result;
    }
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
        QFile device;
        if (!openDevice(device, path))
            return false;
        const bool written = device.write(bytes) == bytes.size() && device.flush();
        device.close();
        return written && device.error() == QFileDevice::NoError;
    }
    QSaveFile file(path);
    // Replacing needs a new file beside the old one. Where the folder takes
    // no new files, a file that may be written is written in place, which
    // a failure halfway then leaves cut short.
    file.setDirectWriteFallback(target.isFile() && target.isWritable()
                                && !QFileInfo(target.absolutePath()).isWritable());
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
