#pragma once

#include "library/ButtonPaging.h"
#include "library/FileListWindow.h"

#include <QObject>
#include <QPointer>

class ButtonArea;
class ButtonField;
class DriveList;
class FolderList;
class QAction;
class UserDialogs;
struct ProgramState;

// The button library: choosing the folder (Drive1, Dir1), the file list,
// creating and releasing the button field, paging through it, and a click
// on a button.
class LibraryController : public QObject
{
    Q_OBJECT

public:
    // What the library works on in the main window.
    struct Widgets
    {
        ButtonArea *buttonArea;
        DriveList *driveList;
        FolderList *folderList;
        QAction *chooseFolderAction;
        QAction *loadButtonsAction;
    };

    LibraryController(ProgramState &state, UserDialogs &dialogs, const Widgets &widgets, QObject *parent);

    // "&Ordner Wählen": drops the loaded buttons and shows the folder lists.
    void chooseFolder();
    // "&Laden": lists the chosen folder's files for confirmation.
    void loadButtons();
    void showButtonFileList();
    // What "OK" in the file list does: one button per name.
    void acceptButtonFiles(const QStringList &names);
    // Removes the created button images and labels; the templates stay.
    void releaseButtonField();
    // "&Start/Weiter" once buttons are loaded: shows the next batch.
    void showNextBatch();
    void closeFileList();

    const ButtonPaging &paging() const { return m_paging; }
    // The open file list, or null.
    FileListWindow *fileList() const { return m_fileList; }

signals:
    // A click on a shown button picture, with its command.
    void commandClicked(const QString &command);

private:
    void pickDrive(const QString &root);
    void openFolder(const QString &folder);
    void takeOpenFolder();
    void refuseFolder(const QString &folder);
    void refuseMissingButtonFolder();

    ProgramState &m_state;
    UserDialogs &m_dialogs;
    Widgets m_widgets;
    ButtonField &m_field;
    ButtonPaging m_paging;
    QPointer<FileListWindow> m_fileList;
};
