#pragma once

#include "builder/Builder.h"
#include "editor/EntryListBox.h"
#include "history/EditHistory.h"
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
#include <QApplication>
#include <QDropEvent>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

// Every test and scenario spells its texts this way.
using namespace Qt::StringLiterals;

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
    void click(Builder builder) const { press(u"cmdQDButton_%1"_s.arg(int(builder))); }
    void trigger(const QString &action) const { child<QAction>(action)->trigger(); }

    QLineEdit *pageField() const { return child<QLineEdit>(u"txtTitel_0"_s); }
    QLineEdit *titleField() const { return child<QLineEdit>(u"txtTitel_1"_s); }
    FolderList *folderList() const { return child<FolderList>(u"Dir1"_s); }
    ButtonArea *buttonArea() const { return child<ButtonArea>(u"Picture1"_s); }
    ButtonField &buttonField() const { return buttonArea()->field(); }
    LibraryController *library() const { return window.findChild<LibraryController *>(u"libraryController"_s); }
    PreviewController *preview() const { return window.findChild<PreviewController *>(u"previewController"_s); }
    EditHistory *recordHistory() const { return window.findChild<EditHistory *>(u"recordHistory"_s); }
    QAction *undoAction() const { return child<QAction>(u"mnuBeRueckgaengig"_s); }
    QAction *redoAction() const { return child<QAction>(u"mnuBeWiederherstellen"_s); }

    // "&Öffnen" of a menu file holding `entries`, written into the folder as `name`.
    void openMenu(const QStringList &entries, const QString &name = u"menu.mnu"_s)
    {
        dialogs.chooseFile(folder.write(name, (entries.join(u"\r\n"_s) + u"\r\n"_s).toLatin1()));
        trigger(u"mnuDLaden"_s);
    }
    // A drag of `data` entering the record list and dropped on the upper
    // half of the entry `before`, or below the last one; whether the list
    // took it.
    bool dropOnRecords(const QMimeData &data, int before) const
    {
        QListView *view = child<EntryListBox>(u"cboQDMenu_0"_s)->listView();
        const QPoint at = before < state.recordList.count()
                              ? view->visualRect(state.recordList.index(before)).topLeft() + QPoint(4, 2)
                              : QPoint(4, view->viewport()->height() - 2);
        const auto actions = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, {});
        QApplication::sendEvent(view->viewport(), &enter);
        QDragMoveEvent move(at, actions, &data, Qt::LeftButton, {});
        QApplication::sendEvent(view->viewport(), &move);
        QDropEvent drop(at, actions, &data, Qt::LeftButton, {});
        QApplication::sendEvent(view->viewport(), &drop);
        return enter.isAccepted() && drop.isAccepted();
    }
    // "&Ordner Wählen" with `path` current, then a press in the folder list.
    void chooseFolder(const QString &path)
    {
        QDir::setCurrent(path);
        trigger(u"mnuBOrdnerWae"_s);
        QTest::mousePress(folderList()->viewport(), Qt::LeftButton);
        QTest::mouseRelease(folderList()->viewport(), Qt::LeftButton);
    }
    // "OK" in the file list.
    void acceptFileList() const
    {
        QTest::mouseClick(library()->fileList()->findChild<QPushButton *>(u"cmdFileList_0"_s), Qt::LeftButton);
    }
    // Chooses `path`, lists it and confirms with "OK".
    void loadButtons(const QString &path)
    {
        chooseFolder(path);
        trigger(u"mnuBLaden"_s);
        acceptFileList();
    }
};
