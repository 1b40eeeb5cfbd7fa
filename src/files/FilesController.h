#pragma once

#include "files/FileCommands.h"

#include <QObject>

class MainWindow;

// The "&Datei" commands, the vocabulary file and the directories.
class FilesController : public QObject
{
    Q_OBJECT

public:
    explicit FilesController(MainWindow &window);

    void openMenuFile();
    void saveMenuFile();
    void loadVocabulary();
    // Shut-down steps, in the order the main window calls them. The two
    // saves tell whether the shut-down may go on: not when a save was
    // wanted and did not happen.
    bool offerToSaveChangedMenu();
    bool saveVocabularyAtExit();
    void restoreStartDirectory();

    FileCommands &commands() { return m_commands; }

private:
    MainWindow &m_window;
    FileCommands m_commands;
};
