#pragma once

#include "library/FileListWindow.h"
#include "library/FolderList.h"
#include "library/LibraryController.h"
#include "ScriptedDialogs.h"
#include "shell/MainWindow.h"
#include "TestFolder.h"

#include <QAction>
#include <QPushButton>
#include <QTest>

// A main window started in a temporary folder of its own, its dialogs
// scripted, and the steps a person takes in it.
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
    void builder(int index) const { QTest::mouseClick(window.builderButton(index), Qt::LeftButton); }
    void trigger(const QString &action) const { child<QAction>(action)->trigger(); }

    // "&Ordner Wählen" with `path` current, then a press in the folder list.
    void chooseFolder(const QString &path)
    {
        QDir::setCurrent(path);
        window.folderChoiceAction()->trigger();
        QTest::mousePress(window.folderList()->viewport(), Qt::LeftButton);
        QTest::mouseRelease(window.folderList()->viewport(), Qt::LeftButton);
    }
    // "OK" (0) or "Abbruch" (1) in the file list.
    void answerFileList(int button) const
    {
        const QString name = QStringLiteral("cmdFileList_%1").arg(button);
        QTest::mouseClick(window.library()->fileList()->findChild<QPushButton *>(name), Qt::LeftButton);
    }
    // Chooses `path`, lists it and confirms with "OK".
    void loadButtons(const QString &path)
    {
        chooseFolder(path);
        window.loadButtonsAction()->trigger();
        answerFileList(0);
    }
};
