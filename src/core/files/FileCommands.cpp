#include "files/FileCommands.h"

#include "dialogs/UserDialogs.h"
#include "files/CurrentDirectory.h"
#include "files/FileTexts.h"
#include "files/VocabularyFile.h"
#include "model/ProgramState.h"

FileCommands::FileCommands(ProgramState &state, UserDialogs &dialogs)
    : m_state(state)
    , m_dialogs(dialogs)
    , m_savedMenu(state.recordList)
{
}

SaveProcedure::Outcome FileCommands::saveMenuFile(bool changesToKeep)
{
    EntryListModel &list = m_state.recordList;
    // After a Yes to the question about changes, a list emptied since it
    // was opened is saved too; "&Speichern" alone keeps its own condition.
    const bool runs = !list.isEmpty() || m_state.recordListModified || changesToKeep;
    SaveProcedure procedure(m_dialogs);
    const SaveProcedure::Outcome outcome = procedure.run({
        .entries = list.entries(),
        .runs = runs,
        .filter = FileTexts::menuFilter(),
        .proposedPath = {},
    });
    if (outcome == SaveProcedure::Outcome::Saved) {
        m_state.menuFile = procedure.savedPath();
        m_state.recordListModified = false;
        m_menuChanges->markSaved();
    }
    return outcome;
}

void FileCommands::openMenuFile(const std::function<void()> &closePreview)
{
    if (prepareToOpen(closePreview))
        takeOpened(OpenProcedure(m_dialogs).run(m_state.rememberedDirectory));
}

void FileCommands::openMenuFile(const QString &path, const std::function<void()> &closePreview)
{
    if (prepareToOpen(closePreview))
        takeOpened(OpenProcedure(m_dialogs).open(path));
}

bool FileCommands::prepareToOpen(const std::function<void()> &closePreview)
{
    if (!offerToSaveChangedMenu())
        return false;
    if (closePreview)
        closePreview();
    CurrentDirectory::enter(m_state.startDirectory);
    return true;
}

void FileCommands::takeOpened(OpenProcedure::Result result)
{
    if (result.rememberedDirectory)
        m_state.rememberedDirectory = *result.rememberedDirectory;
    if (result.entries) {
        m_menuChanges->replaceWithFile(std::move(*result.entries));
        m_state.menuFile = result.path;
    }
}

bool FileCommands::offerToSaveChangedMenu()
{
    if (!m_menuChanges->differs())
        return true;
    const UserDialogs::Answer answer = m_dialogs.message(FileTexts::menuChangedQuestion(), UserDialogs::Icon::Question,
                                                         UserDialogs::Buttons::YesNoCancel);
    switch (answer) {
    case UserDialogs::Answer::No: return true;
    case UserDialogs::Answer::Yes: return saveMenuFile(true) == SaveProcedure::Outcome::Saved;
    case UserDialogs::Answer::Ok:
    case UserDialogs::Answer::Cancel: break;
    }
    return false;
}

void FileCommands::loadVocabulary()
{
    const QString folder = CurrentDirectory::path();
    VocabularyFile::Loaded loaded = VocabularyFile::load(folder);
    m_state.vocabulary.setEntries(std::move(loaded.lines));
    if (loaded.status != EntryFile::Status::Ok)
        m_dialogs.refuse(FileTexts::vocabularyNotRead(VocabularyFile::pathIn(folder), loaded.status, loaded.size));
}

SaveProcedure::Outcome FileCommands::saveVocabularyAtExit()
{
    EntryListModel &list = m_state.vocabulary;
    const SaveProcedure::Outcome outcome = SaveProcedure(m_dialogs).run({
        .entries = list.entries(),
        .runs = !list.isEmpty() && m_state.vocabularyModified,
        .filter = FileTexts::vocabularyFilter(),
        .proposedPath = VocabularyFile::pathIn(m_state.startDirectory),
    });
    if (outcome == SaveProcedure::Outcome::Saved)
        m_state.vocabularyModified = false;
    return outcome;
}

void FileCommands::restoreStartDirectory()
{
    CurrentDirectory::enter(m_state.startDirectory);
}
