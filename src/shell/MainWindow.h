#pragma once

#include "model/ProgramState.h"

#include <QMainWindow>

#include <array>

class BuilderController;
class ClickableImage;
class DriveList;
class EditorController;
class EntryComboBox;
class EntryListBox;
class FilesController;
class FolderList;
class HelpController;
class LibraryController;
class PreviewController;
class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class UserDialogs;

// frmQuonda: the start window. It lays out the controls, owns the shared
// state and hands each control's events to the controller of its subsystem.
// Creating it is the program's start-up, closing it the shut-down.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(UserDialogs &dialogs, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Moves the selected record by `step` places (-10, -1, +1, +10).
    void EintragVerschieben(int step);

    ProgramState &state() { return m_state; }
    UserDialogs &dialogs() { return m_dialogs; }

    // The controls, for the controllers.
    QWidget *buttonArea() const { return m_picture1; }
    ClickableImage *templateImage() const { return m_templateImage; }
    QLabel *templateLabel() const { return m_templateLabel; }
    QLineEdit *pageField() const { return m_pageField; }
    QLineEdit *titleField() const { return m_titleField; }
    QPushButton *builderButton(int index) const;
    EntryListBox *recordListBox() const { return m_recordListBox; }
    EntryComboBox *vocabularyBox() const { return m_vocabularyBox; }
    DriveList *driveList() const { return m_drive1; }
    FolderList *folderList() const { return m_dir1; }
    QListView *buttonFileList() const { return m_lstButtons; }
    QAction *folderChoiceAction() const { return m_mnuBOrdnerWae; }
    QAction *loadButtonsAction() const { return m_mnuBLaden; }

    LibraryController *library() const { return m_library; }
    PreviewController *preview() const { return m_preview; }
    FilesController *files() const { return m_files; }
    EditorController *editor() const { return m_editor; }
    HelpController *help() const { return m_help; }

    // The builder buttons that exist; the other indexes of the array are unused.
    static constexpr std::array<int, 6> BuilderIndexes{0, 2, 3, 4, 6, 9};

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void createMenus();
    void setFocusOrder();
    void startUp();
    // False when a save it offered was wanted and did not happen: then
    // nothing else of it has run, and the window stays open as it was.
    bool shutDown();

    ProgramState m_state;
    UserDialogs &m_dialogs;
    bool m_shutDown = false;
    bool m_askingBeforeShutDown = false;

    QWidget *m_picture1 = nullptr;
    ClickableImage *m_templateImage = nullptr;
    QLabel *m_templateLabel = nullptr;
    QGroupBox *m_frame2 = nullptr;
    std::array<QPushButton *, 10> m_builderButtons{};
    QLineEdit *m_pageField = nullptr;
    QLineEdit *m_titleField = nullptr;
    EntryListBox *m_recordListBox = nullptr;
    EntryComboBox *m_vocabularyBox = nullptr;
    std::array<QPushButton *, 4> m_moveButtons{};
    DriveList *m_drive1 = nullptr;
    FolderList *m_dir1 = nullptr;
    QListView *m_lstButtons = nullptr;

    QAction *m_mnuBOrdnerWae = nullptr;
    QAction *m_mnuBLaden = nullptr;

    PreviewController *m_preview = nullptr;
    LibraryController *m_library = nullptr;
    EditorController *m_editor = nullptr;
    FilesController *m_files = nullptr;
    HelpController *m_help = nullptr;
    BuilderController *m_builder = nullptr;
};
