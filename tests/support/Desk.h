#pragma once

#include "builder/Builder.h"
#include "library/ButtonArea.h"
#include "library/ButtonField.h"
#include "library/FileListWindow.h"
#include "library/FolderList.h"
#include "library/LibraryController.h"
#include "MainWindow.h"
#include "preview/PreviewController.h"
#include "ScriptedDialogs.h"
#include "TestFolder.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// A main window started in a temporary folder of its own, its dialogs
// scripted, and the steps a person takes in it. Controls and controllers
// are found by their objectNames, as accessibility tools find them.
struct Desk
{
    TestFolder folder;
    ScriptedDialogs dialogs;
    MainWindow window{dialogs};
    ProgramState &state = window.state();

    template<typename T = QWidget>
    T *child(const QString &name) const
    {
        return window.findChild<T *>(name);
    }
    void press(const QString &button) const { QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton); }
    void click(Builder builder) const
    {
        press(QStringLiteral("cmdQDButton_%1").arg(int(builder)));
    }
    void trigger(const QString &action) const { child<QAction>(action)->trigger(); }

    QLineEdit *pageField() const { return child<QLineEdit>(QStringLiteral("txtTitel_0")); }
    QLineEdit *titleField() const { return child<QLineEdit>(QStringLiteral("txtTitel_1")); }
    FolderList *folderList() const { return child<FolderList>(QStringLiteral("Dir1")); }
    ButtonArea *buttonArea() const { return child<ButtonArea>(QStringLiteral("Picture1")); }
    ButtonField &buttonField() const { return buttonArea()->field(); }
    LibraryController *library() const { return window.findChild<LibraryController *>(QStringLiteral("libraryController")); }
    PreviewController *preview() const { return window.findChild<PreviewController *>(QStringLiteral("previewController")); }

    // "&Ordner Wählen" with `path` current, then a press in the folder list.
    void chooseFolder(const QString &path)
    {
        QDir::setCurrent(path);
        trigger(QStringLiteral("mnuBOrdnerWae"));
        QTest::mousePress(folderList()->viewport(), Qt::LeftButton);
        QTest::mouseRelease(folderList()->viewport(), Qt::LeftButton);
    }
    // "OK" or "Abbruch" in the file list.
    void acceptFileList() const { pressInFileList(QStringLiteral("cmdFileList_0")); }
    void rejectFileList() const { pressInFileList(QStringLiteral("cmdFileList_1")); }
    // Chooses `path`, lists it and confirms with "OK".
    void loadButtons(const QString &path)
    {
        chooseFolder(path);
        trigger(QStringLiteral("mnuBLaden"));
        acceptFileList();
    }

private:
    void pressInFileList(const QString &button) const
    {
        QTest::mouseClick(library()->fileList()->findChild<QPushButton *>(button), Qt::LeftButton);
    }
};
