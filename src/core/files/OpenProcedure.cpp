#include "files/OpenProcedure.h"

#include "files/CurrentDirectory.h"
#include "files/EntryFile.h"
#include "files/FileTexts.h"

#include <QFileInfo>

namespace {

QString failureText(const EntryFile::ReadResult &read)
{
    switch (read.status) {
    case EntryFile::Status::NotText: return FileTexts::notATextFile();
    case EntryFile::Status::TooLarge: return FileTexts::fileTooLarge(read.size, EntryFile::MaximumSize);
    case EntryFile::Status::Ok:
    case EntryFile::Status::CannotRead: break;
    }
    return FileTexts::readError();
}

} // namespace

OpenProcedure::OpenProcedure(UserDialogs &dialogs)
    : m_dialogs(dialogs)
{
}

OpenProcedure::Result OpenProcedure::run(const QString &rememberedDirectory)
{
    CurrentDirectory::enter(rememberedDirectory);
    const std::optional<QString> chosen = m_dialogs.openFileName({
        .title = FileTexts::openTitle(),
        .filter = FileTexts::menuFilter(),
        .filterIndex = 1,
        .proposedPath = {},
    });
    if (chosen)
        return open(*chosen);
    return {.entries = std::nullopt, .path = {}, .rememberedDirectory = CurrentDirectory::path()};
}

OpenProcedure::Result OpenProcedure::open(const QString &path)
{
    Result result;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    CurrentDirectory::enterFolderOf(absolute);
    // Only a plain file: a pipe nobody writes to would hold the program
    // forever, and a folder or device is no menu file.
    EntryFile::ReadResult read = QFileInfo(absolute).isFile() ? EntryFile::read(absolute) : EntryFile::ReadResult{};
    if (read.status != EntryFile::Status::Ok) {
        m_dialogs.message(failureText(read), UserDialogs::Icon::None, UserDialogs::Buttons::Ok, FileTexts::openTitle());
        return result;
    }
    result.entries = std::move(read.entries);
    result.path = absolute;
    result.rememberedDirectory = CurrentDirectory::path();
    return result;
}
