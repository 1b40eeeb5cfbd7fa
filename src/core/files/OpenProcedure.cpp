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

    Result result;
    const std::optional<QString> chosen = m_dialogs.openFileName({
        .title = FileTexts::openTitle(),
        .filter = FileTexts::menuFilter(),
        .filterIndex = 1,
        .proposedPath = {},
    });
    if (chosen) {
        const QString path = QFileInfo(*chosen).absoluteFilePath();
        CurrentDirectory::enterFolderOf(path);
        EntryFile::ReadResult read = EntryFile::read(path);
        if (read.status != EntryFile::Status::Ok) {
            m_dialogs.message(failureText(read), UserDialogs::Icon::None, UserDialogs::Buttons::Ok,
                              FileTexts::openTitle());
            return result;
        }
        result.entries = std::move(read.entries);
        result.path = path;
    }
    result.rememberedDirectory = CurrentDirectory::path();
    return result;
}
