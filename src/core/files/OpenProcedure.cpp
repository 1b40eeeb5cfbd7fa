#include "files/OpenProcedure.h"

#include "files/CurrentDirectory.h"
#include "files/EntryFile.h"
#include "files/FileTexts.h"

#include <QFileInfo>

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
    EntryFile::ReadResult read = EntryFile::read(absolute);
    if (read.status != EntryFile::Status::Ok) {
        m_dialogs.message(FileTexts::readFailure(read.status, read.size), UserDialogs::Icon::None,
                          UserDialogs::Buttons::Ok, FileTexts::openTitle());
        return result;
    }
    result.entries = std::move(read.entries);
    result.path = absolute;
    result.rememberedDirectory = CurrentDirectory::path();
    return result;
}
