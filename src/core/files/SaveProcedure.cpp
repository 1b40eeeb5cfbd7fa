#include "files/SaveProcedure.h"

#include "files/CurrentDirectory.h"
#include "files/EntryFile.h"
#include "files/EntryFileFormat.h"
#include "files/FileTexts.h"

#include <QFileInfo>

SaveProcedure::SaveProcedure(UserDialogs &dialogs)
    : m_dialogs(dialogs)
{
}

SaveProcedure::Outcome SaveProcedure::run(const Request &request)
{
    if (!request.runs)
        return Outcome::NotRun;

    // Checked before the dialog so nobody picks a file only to be told
    // that the list cannot go into it.
    const EntryFileFormat::Encoded encoded = EntryFileFormat::encode(request.entries);
    if (!encoded.ok()) {
        const int row = encoded.unsavableEntry;
        m_dialogs.refuse(FileTexts::unsavableEntry(row + 1, request.entries.at(row), encoded.unsavableCharacter));
        return Outcome::Refused;
    }

    const std::optional<QString> chosen = m_dialogs.saveFileName({
        .title = FileTexts::saveTitle(),
        .filter = request.filter,
        .filterIndex = 1,
        .proposedPath = request.proposedPath,
    });
    if (!chosen)
        return Outcome::Cancelled;
    const QString path = QFileInfo(*chosen).absoluteFilePath();
    CurrentDirectory::enterFolderOf(path);

    // Whatever stands under that name is asked about, not only a regular
    // file: a pipe or device would be written into.
    const QFileInfo target(path);
    if (target.exists() && !target.isDir()) {
        const UserDialogs::Answer answer = m_dialogs.message(FileTexts::overwriteQuestion(), UserDialogs::Icon::None,
                                                             UserDialogs::Buttons::YesNo, FileTexts::saveTitle());
        if (answer != UserDialogs::Answer::Yes)
            return Outcome::KeptExisting;
    }

    if (!EntryFile::write(path, encoded.bytes)) {
        m_dialogs.message(FileTexts::writeError(), UserDialogs::Icon::None, UserDialogs::Buttons::Ok,
                          FileTexts::saveTitle());
        return Outcome::Failed;
    }
    m_savedPath = path;
    return Outcome::Saved;
}
