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
    // Header, one red and one black colour, one 1 x 1 image, trailer.
    return QByteArray::fromHex("4749463839610100010080000"
                               "0ff00000000002c0000000001000100000202440100"
                               "3b");
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
