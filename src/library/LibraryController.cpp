#include "library/LibraryController.h"

#include "library/ButtonField.h"
#include "library/ButtonFileNames.h"
#include "library/ButtonFolderPath.h"
#include "library/DriveList.h"
#include "library/Drives.h"
#include "library/FileListWindow.h"
#include "library/FolderList.h"
#include "model/MenuRecords.h"
#include "shell/ClickableImage.h"
#include "shell/MainWindow.h"
#include "shell/UserDialogs.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>

using namespace Qt::StringLiterals;

LibraryController::LibraryController(MainWindow &window)
    : QObject(&window)
    , m_window(window)
    , m_field(new ButtonField(window.templateImage(), window.templateLabel(), this))
{
    setObjectName(u"libraryController"_s);
    connect(window.folderChoiceAction(), &QAction::triggered, this, &LibraryController::chooseFolder);
    connect(window.loadButtonsAction(), &QAction::triggered, this, &LibraryController::loadButtons);
    connect(window.driveList(), &DriveList::drivePicked, this, &LibraryController::pickDrive);
    connect(window.folderList(), &FolderList::pressed, this, &LibraryController::takeOpenFolder);
    connect(window.folderList(), &FolderList::openRequested, this, &LibraryController::openFolder);
    connect(m_field, &ButtonField::imageClicked, this, &LibraryController::clickButton);
}

void LibraryController::chooseFolder()
{
    releaseButtonField();
    m_paging.reset();
    m_window.state().buttonFiles.clear();
    FolderList *folders = m_window.folderList();
    // The list opens where we stand; a folder that vanished under us gives
    // way to its drive's root.
    const QString here = QDir::currentPath();
    if (!folders->setPath(here))
        folders->setPath(Drives::rootOf(here));
    folders->show();
    m_window.state().buttonFolder.clear();
    m_window.driveList()->refresh(Drives::rootOf(folders->path()));
    m_window.driveList()->show();
    m_window.folderChoiceAction()->setEnabled(false);
    m_window.loadButtonsAction()->setEnabled(true);
}

void LibraryController::pickDrive(const QString &root)
{
    const auto refuse = [this, &root] {
        m_window.dialogs().refuse(u"Das Laufwerk %1 ist nicht bereit."_s.arg(Drives::displayName(root))
                                  + u"\r\nBitte einen Datenträger einlegen oder ein anderes Laufwerk wählen."_s);
    };
    if (!Drives::isReady(root)) {
        refuse();
        return;
    }
#ifdef Q_OS_WIN
    // Only Windows has a current drive; elsewhere the working folder stays
    // until a folder is taken.
    if (!QDir::setCurrent(root)) {
        refuse();
        return;
    }
#endif
    if (!m_window.folderList()->setPath(root)) {
        refuse();
        return;
    }
    m_window.driveList()->setDrive(root);
}

void LibraryController::openFolder(const QString &folder)
{
    if (!m_window.folderList()->setPath(folder)) {
        refuseFolder(folder);
        return;
    }
    // The folder just opened is the one the user means: it is taken at once
    // rather than with the next press in the list.
    takeOpenFolder();
}

void LibraryController::takeOpenFolder()
{
    const QString folder = m_window.folderList()->path();
    if (folder.isEmpty())
        return;
    if (!QDir::setCurrent(folder)) {
        refuseFolder(folder);
        return;
    }
    m_window.state().buttonFolder = ButtonFolderPath::fromFolder(folder);
}

void LibraryController::refuseFolder(const QString &folder)
{
    m_window.dialogs().refuse(u"Der Ordner\r\n%1\r\nlässt sich nicht öffnen."_s.arg(QDir::toNativeSeparators(folder)));
}

void LibraryController::refuseMissingButtonFolder()
{
    m_window.dialogs().refuse(
        u"Der Button-Ordner\r\n%1\r\nist nicht mehr vorhanden.\r\n"_s.arg(m_window.state().buttonFolder)
        + u"Bitte mit \"Ordner Wählen\" neu auswählen!"_s);
}

void LibraryController::loadButtons()
{
    if (m_window.state().buttonFolder.isEmpty()) {
        m_window.dialogs().refuse(u"Bitte Ordner\r\nAuswählen!"_s);
        return;
    }
    if (!QDir(m_window.state().buttonFolder).exists()) {
        refuseMissingButtonFolder();
        return;
    }
    showButtonFileList();
    m_window.folderList()->hide();
    m_window.driveList()->hide();
}

void LibraryController::showButtonFileList()
{
    if (m_window.state().buttonFolder.isEmpty()) {
        m_window.dialogs().refuse(u"Bitte Ordner\r\nAuswählen!"_s);
        return;
    }
    QStringList unreadable;
    if (!m_fileList) {
        // Lists the button folder itself, which is where the pictures will
        // be loaded from, even if a file dialog moved the current directory.
        m_fileList = new FileListWindow(ButtonFileNames::list(m_window.state().buttonFolder), &m_window);
        unreadable = ButtonFileNames::unreadable(m_window.state().buttonFolder);
        connect(m_fileList, &FileListWindow::confirmed, this, [this](const QStringList &names) {
            acceptButtonFiles(names);
            m_window.folderChoiceAction()->setEnabled(true);
        });
        connect(m_fileList, &FileListWindow::abandoned, this,
                [this] { m_window.folderChoiceAction()->setEnabled(true); });
        // Gone for us as soon as it closes, not only once it is deleted.
        connect(m_fileList, &QDialog::finished, this, [this] { m_fileList.clear(); });
    }
    // While the list is open a new folder choice would leave it listing a
    // folder that is no longer chosen.
    m_window.folderChoiceAction()->setEnabled(false);
    m_fileList->setWindowTitle(u"File-List"_s);
    m_fileList->show();
    m_fileList->raise();
    m_fileList->activateWindow();
    // What cannot be listed is named, so that no file vanishes unseen.
    if (!unreadable.isEmpty()) {
        m_window.dialogs().refuse(u"Der Button-Ordner enthält Dateien, deren Namen sich nicht lesen lassen; sie fehlen "
                                  u"in der Liste:\r\n\r\n"_s
                                  + unreadable.join(u"\r\n"_s) + u"\r\n\r\nBitte benennen Sie diese Dateien um."_s);
    }
}

void LibraryController::acceptButtonFiles(const QStringList &names)
{
    if (names.isEmpty())
        return;
    EntryListModel &files = m_window.state().buttonFiles;
    files.setEntries(files.entries() + names);
    m_field->create(files.count());
    m_window.loadButtonsAction()->setEnabled(false);
}

void LibraryController::releaseButtonField()
{
    m_field->release();
}

void LibraryController::closeFileList()
{
    if (m_fileList)
        m_fileList->close();
}

void LibraryController::showNextBatch()
{
    const ProgramState &state = m_window.state();
    if (state.buttonFiles.isEmpty())
        return;
    // The pictures are read relative to the button folder.
    if (!QDir::setCurrent(state.buttonFolder)) {
        refuseMissingButtonFolder();
        return;
    }
    if (!m_paging.step(state.buttonFiles.count()))
        return;
    const int stoppedAt = m_field->showBatch(m_paging.batch(), state.buttonFiles.entries(), state.vocabulary.entries());
    if (stoppedAt > 0) {
        m_window.dialogs().refuse(
            u"Ihr Button-Ordner enthält\r\nNicht-.gif-Dateien!\r\nBitte entfernen und neu Starten!"_s);
    }
}

void LibraryController::clickButton(int member)
{
    const QString command = MenuRecords::commandFromTooltip(m_field->image(member)->toolTip());
    m_window.state().recordList.append(MenuRecords::itemForButton(command, m_window.pageField()->text()));
}
