#pragma once

#include "files/ChangeTracker.h"
#include "files/OpenProcedure.h"
#include "files/SaveProcedure.h"

#include <functional>

struct ProgramState;
class UserDialogs;

// The "&Datei" commands and the file steps of start-up and shut-down, over
// the program's shared state: which list goes where, which flag is cleared,
// and which folder is current when.
class FileCommands
{
public:
    FileCommands(ProgramState &state, UserDialogs &dialogs);

    // "&Speichern"; `changesToKeep` when the person asked to keep changes
    // that the list's own condition would not see (an opened menu emptied).
    SaveProcedure::Outcome saveMenuFile(bool changesToKeep = false);
    // "&Öffnen". `closePreview` runs once the question about changes let
    // the command go on, before the dialog.
    void openMenuFile(const std::function<void()> &closePreview);
    // "&Öffnen" with `path` in place of the dialog's choice.
    void openMenuFile(const QString &path, const std::function<void()> &closePreview);

    // When the record list differs from its file, asks whether to save it
    // and saves on Yes. Returns false on Cancel and when a save was wanted
    // but did not happen, so that neither "&Öffnen" nor the end of the
    // program throws the changes away.
    bool offerToSaveChangedMenu();
    bool menuDiffersFromFile() const { return m_menuChanges->differs(); }
    // From now on `changes` answers whether the menu differs from its file.
    void setMenuChanges(MenuChanges &changes) { m_menuChanges = &changes; }

    void loadVocabulary();
    SaveProcedure::Outcome saveVocabularyAtExit();
    void restoreStartDirectory();

private:
    bool prepareToOpen(const std::function<void()> &closePreview);
    void takeOpened(OpenProcedure::Result result);

    ProgramState &m_state;
    UserDialogs &m_dialogs;
    ChangeTracker m_savedMenu;
    MenuChanges *m_menuChanges = &m_savedMenu;
};
