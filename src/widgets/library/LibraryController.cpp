#include "library/LibraryController.h"

#include "dialogs/UserDialogs.h"
#include "library/ButtonArea.h"
#include "library/ButtonField.h"
#include "library/ButtonFileNames.h"
#include "library/ButtonFolderPath.h"
#include "library/DriveList.h"
#include "library/Drives.h"
#include "library/FileListWindow.h"
#include "library/FolderList.h"
#include "model/ProgramState.h"

#include <QAction>
#include <QDir>

using namespace Qt::StringLiterals;

LibraryController::LibraryController(ProgramState &state, UserDialogs &dialogs, const Widgets &widgets, QObject *parent)
    : QObject(parent)
    , m_state(state)
    , m_dialogs(dialogs)
    , m_widgets(widgets)
    , m_field(widgets.buttonArea->field())
{
    setObjectName(u"libraryController"_s);
    connect(widgets.chooseFolderAction, &QAction::triggered, this, &LibraryController::chooseFolder);
    connect(widgets.loadButtonsAction, &QAction::triggered, this, &LibraryController::loadButtons);
    connect(widgets.driveList, &DriveList::drivePicked, this, &LibraryController::pickDrive);
    connect(widgets.folderList, &FolderList::pressed, this, &LibraryController::takeOpenFolder);
    connect(widgets.folderList, &FolderList::openRequested, this, &LibraryController::openFolder);
    connect(&m_field, &ButtonField::commandClicked, this, &LibraryController::commandClicked);
}

void LibraryController::chooseFolder()
{
    releaseButtonField();
    m_paging.reset();
    m_state.buttonFiles.clear();
    FolderList *folders = m_widgets.folderList;
    // The list opens where we stand; a folder that vanished under us gives
    // way to its drive's root.
    const QString here = QDir::currentPath();
    if (!folders->setPath(here))
        folders->setPath(Drives::rootOf(here));
    folders->show();
    m_state.buttonFolder.clear();
    m_widgets.driveList->refresh(Drives::rootOf(folders->path()));
    m_widgets.driveList->show();
    m_widgets.chooseFolderAction->setEnabled(false);
    m_widgets.loadButtonsAction->setEnabled(true);
}

void LibraryController::pickDrive(const QString &root)
{
    const auto refuse = [this, &root] {
        m_dialogs.refuse(u"Das Laufwerk %1 ist nicht bereit."_s.arg(Drives::displayName(root))
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
    if (!m_widgets.folderList->setPath(root)) {
        refuse();
        return;
    }
    m_widgets.driveList->setDrive(root);
}

void LibraryController::openFolder(const QString &folder)
{
    if (!m_widgets.folderList->setPath(folder)) {
        refuseFolder(folder);
        return;
    }
    // The folder just opened is the one the user means: it is taken at once
    // rather than with the next press in the list.
    takeOpenFolder();
}

void LibraryController::takeOpenFolder()
{
    const QString folder = m_widgets.folderList->path();
    if (folder.isEmpty())
        return;
    if (!QDir::setCurrent(folder)) {
        refuseFolder(folder);
        return;
    }
    m_state.buttonFolder = ButtonFolderPath::fromFolder(folder);
}

void LibraryController::refuseFolder(const QString &folder)
{
    m_dialogs.refuse(u"Der Ordner\r\n%1\r\nlässt sich nicht öffnen."_s.arg(QDir::toNativeSeparators(folder)));
}

void LibraryController::refuseMissingButtonFolder()
{
    m_dialogs.refuse(u"Der Button-Ordner\r\n%1\r\nist nicht mehr vorhanden.\r\n"_s.arg(m_state.buttonFolder)
                     + u"Bitte mit \"Ordner Wählen\" neu auswählen!"_s);
}

void LibraryController::loadButtons()
{
    if (m_state.buttonFolder.isEmpty()) {
        m_dialogs.refuse(u"Bitte Ordner\r\nAuswählen!"_s);
        return;
    }
    if (!QDir(m_state.buttonFolder).exists()) {
        refuseMissingButtonFolder();
        return;
    }
    showButtonFileList();
    m_widgets.folderList->hide();
    m_widgets.driveList->hide();
}

void LibraryController::showButtonFileList()
{
    if (m_state.buttonFolder.isEmpty()) {
        m_dialogs.refuse(u"Bitte Ordner\r\nAuswählen!"_s);
        return;
    }
    QStringList unreadable;
    if (!m_fileList) {
        // Lists the button folder itself, which is where the pictures will
        // be loaded from, even if a file dialog moved the current directory.
        m_fileList = new FileListWindow(ButtonFileNames::list(m_state.buttonFolder), m_widgets.buttonArea->window());
        unreadable = ButtonFileNames::unreadable(m_state.buttonFolder);
        connect(m_fileList, &FileListWindow::filesAccepted, this, [this](const QStringList &names) {
            acceptButtonFiles(names);
            m_widgets.chooseFolderAction->setEnabled(true);
        });
        connect(m_fileList, &FileListWindow::filesRejected, this,
                [this] { m_widgets.chooseFolderAction->setEnabled(true); });
        // Gone for us as soon as it closes, not only once it is deleted.
        connect(m_fileList, &QDialog::finished, this, [this] { m_fileList.clear(); });
    }
    // While the list is open a new folder choice would leave it listing a
    // folder that is no longer chosen.
    m_widgets.chooseFolderAction->setEnabled(false);
    m_fileList->setWindowTitle(u"File-List"_s);
    m_fileList->show();
    m_fileList->raise();
    m_fileList->activateWindow();
    // What cannot be listed is named, so that no file vanishes unseen.
    if (!unreadable.isEmpty()) {
        m_dialogs.refuse(u"Der Button-Ordner enthält Dateien, deren Namen sich nicht lesen lassen; sie fehlen "
                         u"in der Liste:\r\n\r\n"_s
                         + unreadable.join(u"\r\n"_s) + u"\r\n\r\nBitte benennen Sie diese Dateien um."_s);
    }
}

void LibraryController::acceptButtonFiles(const QStringList &names)
{
    if (names.isEmpty())
        return;
    EntryListModel &files = m_state.buttonFiles;
    files.setEntries(files.entries() + names);
    m_field.create(files.count());
    m_widgets.loadButtonsAction->setEnabled(false);
}

void LibraryController::releaseButtonField()
{
    m_field.release();
}

void LibraryController::closeFileList()
{
    if (m_fileList)
        m_fileList->close();
}

void LibraryController::showNextBatch()
{
    const ProgramState &state = m_state;
    if (state.buttonFiles.isEmpty())
        return;
    // The pictures are read relative to the button folder.
    if (!QDir::setCurrent(state.buttonFolder)) {
        refuseMissingButtonFolder();
        return;
    }
    if (!m_paging.step(state.buttonFiles.count()))
        return;
    const int stoppedAt = m_field.showBatch(m_paging.batch(), state.buttonFolder, state.buttonFiles.entries(),
                                            state.vocabulary.entries());
    if (stoppedAt > 0) {
        m_dialogs.refuse(u"Ihr Button-Ordner enthält\r\nNicht-.gif-Dateien!\r\nBitte entfernen und neu Starten!"_s);
    }
}
