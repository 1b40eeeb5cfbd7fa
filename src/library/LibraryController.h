#pragma once

#include "library/ButtonPaging.h"
#include "library/FileListWindow.h"

#include <QObject>
#include <QPointer>

class ButtonField;
class MainWindow;

// The button library: choosing the folder (Drive1, Dir1), the file list,
// creating and releasing the button field, paging through it, and a click
// on a button.
class LibraryController : public QObject
{
    Q_OBJECT

public:
    explicit LibraryController(MainWindow &window);

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
    ButtonField &buttonField() const { return *m_field; }
    FileListWindow *fileList() const { return m_fileList; }

private:
    void pickDrive(const QString &root);
    void openFolder(const QString &folder);
    void takeOpenFolder();
    void clickButton(int member);
    void refuseFolder(const QString &folder);
    void refuseMissingButtonFolder();

    MainWindow &m_window;
    ButtonField *m_field;
    ButtonPaging m_paging;
    QPointer<FileListWindow> m_fileList;
};
