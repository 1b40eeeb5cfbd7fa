#pragma once

#include "files/FileCommands.h"
#include "model/ProgramState.h"

#include <QMainWindow>

#include <array>

class BuilderController;
class CheckController;
class ButtonArea;
class ControlFrame;
class DriveList;
class EditHistory;
class EditorController;
class EntryComboBox;
class EntryListBox;
class FolderList;
class HelpController;
class HistoryController;
class LibraryController;
class OverviewController;
class PreviewController;
class QAction;
class QPushButton;
class UserDialogs;

// frmQuonda: the start window. It lays out each subsystem's widgets, owns
// the shared state, gives every controller what it works on and wires the
// controllers' signals to each other, all in this one place. Creating it is
// the program's start-up, closing it the shut-down.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(UserDialogs &dialogs, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Moves the selected record by `step` places (-10, -1, +1, +10).
    void EintragVerschieben(int step);
    // Opens the menu file at `path` as "&Öffnen" opens the file chosen in its dialog.
    void openMenuFile(const QString &path);

    ProgramState &state() { return m_state; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void createMenus();
    void createControllers();
    void wireControllers();
    void setFocusOrder();
    void startUp();
    // False when a save it offered was wanted and did not happen: then
    // nothing else of it has run, and the window stays open as it was.
    bool shutDown();

    ProgramState m_state;
    UserDialogs &m_dialogs;
    FileCommands m_files;
    bool m_shutDown = false;
    bool m_askingBeforeShutDown = false;

    ButtonArea *m_buttonArea = nullptr;
    ControlFrame *m_controlFrame = nullptr;
    EntryListBox *m_recordListBox = nullptr;
    EntryComboBox *m_vocabularyBox = nullptr;
    std::array<QPushButton *, 4> m_moveButtons{};
    DriveList *m_driveList = nullptr;
    FolderList *m_folderList = nullptr;

    QAction *m_openAction = nullptr;
    QAction *m_saveAction = nullptr;
    QAction *m_undoAction = nullptr;
    QAction *m_redoAction = nullptr;
    QAction *m_chooseFolderAction = nullptr;
    QAction *m_loadButtonsAction = nullptr;
    QAction *m_overviewAction = nullptr;
    QAction *m_manualAction = nullptr;
    QAction *m_historyAction = nullptr;
    QAction *m_infoAction = nullptr;
    QAction *m_checkAction = nullptr;

    BuilderController *m_builder = nullptr;
    LibraryController *m_library = nullptr;
    EditorController *m_editor = nullptr;
    PreviewController *m_preview = nullptr;
    OverviewController *m_overview = nullptr;
    HelpController *m_help = nullptr;
    CheckController *m_check = nullptr;
    EditHistory *m_recordHistory = nullptr;
    EditHistory *m_vocabularyHistory = nullptr;
    HistoryController *m_history = nullptr;
};
