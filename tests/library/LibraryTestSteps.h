#pragma once

#include "library/FileListWindow.h"
#include "library/FolderList.h"
#include "library/LibraryController.h"
#include "shell/MainWindow.h"

#include <QAction>
#include <QPushButton>
#include <QTest>

// The user's steps of choosing and loading a button folder, shared by the
// library's widget tests.
namespace LibraryTestSteps {

// A GIF of one red pixel: tells a loaded picture from the template (80 x 50).
inline QByteArray tinyGif()
{
    return QByteArray::fromHex("474946383961" "01000100" "800000" "ff0000" "000000"
                               "2c" "0000" "0000" "0100" "0100" "00" "02" "024401" "00" "3b");
}

// "&Ordner Wählen" with `folder` current, then a press in the folder list.
inline void chooseFolder(MainWindow &window, const QString &folder)
{
    QDir::setCurrent(folder);
    window.folderChoiceAction()->trigger();
    QTest::mousePress(window.folderList()->viewport(), Qt::LeftButton);
    QTest::mouseRelease(window.folderList()->viewport(), Qt::LeftButton);
}

inline void clickFileList(MainWindow &window, int index)
{
    FileListWindow *list = window.library()->fileList();
    QVERIFY(list);
    QTest::mouseClick(list->findChild<QPushButton *>(QStringLiteral("cmdFileList_%1").arg(index)), Qt::LeftButton);
}

// Chooses `folder`, lists it and confirms with "OK".
inline void load(MainWindow &window, const QString &folder)
{
    chooseFolder(window, folder);
    window.loadButtonsAction()->trigger();
    clickFileList(window, 0);
}

} // namespace LibraryTestSteps
