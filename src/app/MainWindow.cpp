#include "MainWindow.h"

#include "builder/BuilderController.h"
#include "builder/ControlFrame.h"
#include "check/CheckController.h"
#include "common/ButtonFace.h"
#include "common/Fonts.h"
#include "common/ProgramPictures.h"
#include "common/Twips.h"
#include "dialogs/UserDialogs.h"
#include "editor/EditorController.h"
#include "editor/EntryComboBox.h"
#include "editor/EntryListBox.h"
#include "help/HelpController.h"
#include "help/ProgramInfo.h"
#include "history/EditHistory.h"
#include "history/HistoryController.h"
#include "library/ButtonArea.h"
#include "library/DriveList.h"
#include "library/FolderList.h"
#include "library/LibraryController.h"
#include "overview/OverviewController.h"
#include "preview/PreviewController.h"

#include <QCloseEvent>
#include <QDir>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>

using namespace Qt::StringLiterals;

MainWindow::MainWindow(UserDialogs &dialogs, QWidget *parent)
    : QMainWindow(parent)
    , m_dialogs(dialogs)
    , m_files(m_state, dialogs)
{
    setObjectName(u"frmQuonda"_s);
    setWindowTitle(u"QD5 Tastwerk"_s);
    setWindowIcon(ProgramPictures::icon());
    createControls();
    createMenus();
    setFocusOrder();
    createControllers();
    wireControllers();
    startUp();
}

MainWindow::~MainWindow() = default;

void MainWindow::createControls()
{
    auto *central = new QWidget(this);
    central->setObjectName(u"clientArea"_s);
    central->setFixedSize(Twips::size(7965, 8205));
    setCentralWidget(central);

    m_buttonArea = new ButtonArea(central);
    m_buttonArea->setGeometry(Twips::rect(0, 0, 6000, 6075));

    m_controlFrame = new ControlFrame(central);
    m_controlFrame->setGeometry(Twips::rect(6000, 0, 1935, 6105));

    m_recordListBox = new EntryListBox(&m_state.recordList, central);
    m_recordListBox->setObjectName(u"cboQDMenu_0"_s);
    m_recordListBox->setGeometry(Twips::rect(0, 6120, 7455, 1545));
    m_recordListBox->setToolTip(u"Text .mnu"_s);

    struct MoveButton
    {
        const char16_t *name;
        const char16_t *tooltip;
        int top;
        bool up;
        QColor face;
        int step;
    };
    const MoveButton moveButtons[] = {
        {u"cmdAuf10", u"Auf 10", 6120, true, ButtonFace::RedOrange, -10},
        {u"cmdAuf", u"Auf 1", 6480, true, ButtonFace::Green, -1},
        {u"cmdAb", u"Ab 1", 6960, false, ButtonFace::Green, 1},
        {u"cmdAb10", u"Ab 10", 7320, false, ButtonFace::RedOrange, 10},
    };
    // Each picture is read once: an icon made from a file reads it whole.
    const QIcon up(u":/pictures/arrow_up.png"_s);
    const QIcon down(u":/pictures/arrow_down.png"_s);
    for (std::size_t i = 0; i < m_moveButtons.size(); ++i) {
        const MoveButton &entry = moveButtons[i];
        auto *button = new QPushButton(central);
        button->setObjectName(QString::fromUtf16(entry.name));
        button->setGeometry(Twips::rect(7560, entry.top, 375, 375));
        button->setToolTip(QString::fromUtf16(entry.tooltip));
        button->setIcon(entry.up ? up : down);
        button->setIconSize(button->size() - QSize(6, 6));
        ButtonFace::paint(button, entry.face);
        const int step = entry.step;
        connect(button, &QPushButton::clicked, this, [this, step] { EintragVerschieben(step); });
        m_moveButtons.at(i) = button;
    }

    m_vocabularyBox = new EntryComboBox(&m_state.vocabulary, central);
    m_vocabularyBox->setObjectName(u"cboQDMenu_1"_s);
    m_vocabularyBox->setGeometry(Twips::rect(0, 7800, 7935, 330));
    m_vocabularyBox->setFont(Fonts::courierNew());
    m_vocabularyBox->setToolTip(u"Befehl (min.incl. Blancs=25 + Beschriftung der Buttons (min. 1 Blanc)"_s);

    m_driveList = new DriveList(central);
    m_driveList->setObjectName(u"Drive1"_s);
    m_driveList->setGeometry(Twips::rect(3600, 120, 2295, 315));
    m_driveList->hide();

    m_folderList = new FolderList(central);
    m_folderList->setObjectName(u"Dir1"_s);
    m_folderList->setGeometry(Twips::rect(3600, 480, 2295, 5490));
    m_folderList->hide();

    auto *buttonFileList = new QListView(central);
    buttonFileList->setObjectName(u"lstButtons"_s);
    buttonFileList->setGeometry(Twips::rect(5160, 6240, 1695, 1815));
    buttonFileList->setModel(&m_state.buttonFiles);
    buttonFileList->setUniformItemSizes(true);
    buttonFileList->hide();
}

void MainWindow::createMenus()
{
    QMenuBar *bar = menuBar();

    QMenu *fileMenu = bar->addMenu(u"&Datei"_s);
    fileMenu->setObjectName(u"mnuDatei"_s);
    m_openAction = fileMenu->addAction(u"&Öffnen"_s);
    m_openAction->setObjectName(u"mnuDLaden"_s);
    m_saveAction = fileMenu->addAction(u"&Speichern"_s);
    m_saveAction->setObjectName(u"mnuDSpeichern"_s);
    fileMenu->addSeparator()->setObjectName(u"mnuLeer1"_s);
    QAction *end = fileMenu->addAction(u"&Ende"_s);
    end->setObjectName(u"mnuDEnde"_s);
    connect(end, &QAction::triggered, this, &QWidget::close);

    QMenu *editMenu = bar->addMenu(u"B&earbeiten"_s);
    editMenu->setObjectName(u"mnuBearbeiten"_s);
    m_undoAction = editMenu->addAction(u"&Rückgängig"_s);
    m_undoAction->setObjectName(u"mnuBeRueckgaengig"_s);
    m_redoAction = editMenu->addAction(u"&Wiederherstellen"_s);
    m_redoAction->setObjectName(u"mnuBeWiederherstellen"_s);

    QMenu *buttonsMenu = bar->addMenu(u"&Buttons"_s);
    buttonsMenu->setObjectName(u"mnuButtons"_s);
    m_chooseFolderAction = buttonsMenu->addAction(u"&Ordner Wählen"_s);
    m_chooseFolderAction->setObjectName(u"mnuBOrdnerWae"_s);
    m_loadButtonsAction = buttonsMenu->addAction(u"&Laden"_s);
    m_loadButtonsAction->setObjectName(u"mnuBLaden"_s);

    QMenu *extrasMenu = bar->addMenu(u"E&xtras"_s);
    extrasMenu->setObjectName(u"mnuExtras"_s);
    m_checkAction = extrasMenu->addAction(u"Menü &prüfen"_s);
    m_checkAction->setObjectName(u"mnuEPruefen"_s);
    m_checkAction->setShortcut(Qt::Key_F7);
    m_overviewAction = extrasMenu->addAction(u"Menü-Ü&bersicht"_s);
    m_overviewAction->setObjectName(u"mnuEUebersicht"_s);
    m_overviewAction->setShortcut(Qt::Key_F8);

    m_manualAction = bar->addAction(u"&Anleitung"_s);
    m_manualAction->setObjectName(u"mnuAnleitung"_s);
    m_historyAction = bar->addAction(u"&Historie"_s);
    m_historyAction->setObjectName(u"mnuHistorie"_s);
    m_infoAction = bar->addAction(u"&Info"_s);
    m_infoAction->setObjectName(u"mnuInfo"_s);
}

void MainWindow::createControllers()
{
    m_recordHistory = new EditHistory(m_state.recordList, m_state.recordListModified, this);
    m_recordHistory->setObjectName(u"recordHistory"_s);
    m_vocabularyHistory = new EditHistory(m_state.vocabulary, m_state.vocabularyModified, this);
    m_vocabularyHistory->setObjectName(u"vocabularyHistory"_s);
    m_files.setMenuChanges(*m_recordHistory);

    m_builder = new BuilderController(m_state, m_dialogs, *m_controlFrame, *m_recordHistory, this);
    m_library = new LibraryController(m_state, m_dialogs,
                                      {.buttonArea = m_buttonArea,
                                       .driveList = m_driveList,
                                       .folderList = m_folderList,
                                       .chooseFolderAction = m_chooseFolderAction,
                                       .loadButtonsAction = m_loadButtonsAction},
                                      this);
    m_editor = new EditorController(m_state, m_dialogs, *m_recordListBox, *m_vocabularyBox,
                                    {.records = m_recordHistory, .vocabulary = m_vocabularyHistory}, this);
    m_preview = new PreviewController(m_state, this, this);
    m_overview = new OverviewController(m_state, m_dialogs, this, this);
    m_help = new HelpController(this);
    m_check = new CheckController(m_state, this);
    m_history = new HistoryController({.records = m_recordHistory,
                                       .vocabulary = m_vocabularyHistory,
                                       .vocabularyBox = m_vocabularyBox,
                                       .controls = centralWidget(),
                                       .undoAction = m_undoAction,
                                       .redoAction = m_redoAction},
                                      this);
}

void MainWindow::wireControllers()
{
    // A click on a button picture becomes a record; the builder's paging
    // and preview buttons drive the button field and the preview.
    connect(m_library, &LibraryController::commandClicked, m_builder, &BuilderController::appendButtonItem);
    connect(m_editor, &EditorController::buttonDropped, m_builder, &BuilderController::insertButtonItem);
    connect(m_builder, &BuilderController::nextBatchRequested, m_library, &LibraryController::showNextBatch);
    connect(m_builder, &BuilderController::previewRequested, m_preview, &PreviewController::showPreview);
    // A preview drawn from records that are being edited or replaced goes.
    connect(m_editor, &EditorController::recordListEdited, m_preview, &PreviewController::closePreview);
    // The overview follows the list by itself; a click on one of its places
    // selects that record as a click in the list would.
    connect(m_overviewAction, &QAction::triggered, m_overview, &OverviewController::showOverview);
    connect(m_overview, &OverviewController::recordChosen, m_recordListBox, &EntryListBox::selectRow);
    connect(m_openAction, &QAction::triggered, this,
            [this] { m_files.openMenuFile([this] { m_preview->closePreview(); }); });
    connect(m_saveAction, &QAction::triggered, this, [this] { m_files.saveMenuFile(); });

    connect(m_manualAction, &QAction::triggered, m_help, &HelpController::showManual);
    connect(m_historyAction, &QAction::triggered, m_help, &HelpController::showHistory);
    connect(m_infoAction, &QAction::triggered, m_help, &HelpController::showInfo);

    connect(m_checkAction, &QAction::triggered, m_check, &CheckController::showCheck);
    connect(m_check, &CheckController::recordChosen, m_recordListBox, &EntryListBox::selectRow);
}

void MainWindow::setFocusOrder()
{
    // The record list first, then the button field and the vocabulary, the
    // frame "Steuerung" top to bottom and the move buttons beside the list.
    QList<QWidget *> order{m_recordListBox, m_buttonArea, m_vocabularyBox};
    order += m_controlFrame->focusOrder();
    for (QPushButton *button : m_moveButtons)
        order += button;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
    m_recordListBox->setFocus();
}

void MainWindow::startUp()
{
    m_state.startDirectory = QDir::currentPath();
    // The batch counters start at "none shown yet" in the library controller.
    setWindowTitle(ProgramInfo::titleWithVersion());
    m_files.loadVocabulary();
    // Undone back to this, the vocabulary needs no saving at the end.
    m_vocabularyHistory->markSaved();
}

void MainWindow::EintragVerschieben(int step)
{
    m_editor->moveEntry(step);
}

void MainWindow::openMenuFile(const QString &path)
{
    m_files.openMenuFile(path, [this] { m_preview->closePreview(); });
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Closing after a refused, failed or cancelled save would throw the
    // changes away; the user mends the entry or picks another folder and
    // ends again.
    if (shutDown())
        event->accept();
    else
        event->ignore();
}

bool MainWindow::shutDown()
{
    if (m_shutDown)
        return true;
    // A close asked for while the shut-down's own boxes wait for answers
    // (by a signal) is left to them.
    if (m_askingBeforeShutDown)
        return false;
    // Both saves before anything is taken down, so that a save that does
    // not happen leaves the program whole: its buttons, its windows, its
    // folder.
    m_askingBeforeShutDown = true;
    const bool saved =
        m_files.offerToSaveChangedMenu() && SaveProcedure::leftNothingUnsaved(m_files.saveVocabularyAtExit());
    m_askingBeforeShutDown = false;
    if (!saved)
        return false;
    m_shutDown = true;
    m_library->releaseButtonField();
    m_library->closeFileList();
    m_help->closeInfo();
    m_help->closeText();
    m_preview->closePreview();
    m_check->closeCheck();
    m_overview->closeOverview();
    m_files.restoreStartDirectory();
    return true;
}
