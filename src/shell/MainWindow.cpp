#include "shell/MainWindow.h"

#include "editor/EditorController.h"
#include "files/FilesController.h"
#include "library/ButtonPicture.h"
#include "library/DriveList.h"
#include "library/FolderList.h"
#include "library/LibraryController.h"
#include "model/BuilderController.h"
#include "preview/PreviewController.h"
#include "shell/ClickableImage.h"
#include "shell/EntryComboBox.h"
#include "shell/EntryListBox.h"
#include "shell/Fonts.h"
#include "shell/HelpController.h"
#include "shell/ProgramInfo.h"
#include "shell/ProgramPictures.h"
#include "shell/Twips.h"
#include "shell/UserDialogs.h"

#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>

#include <limits>

using namespace Qt::StringLiterals;

namespace {

const QColor Green(0, 128, 0);
const QColor RedOrange(192, 64, 0);

void paintFace(QPushButton *button, const QColor &colour)
{
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, colour);
    button->setPalette(palette);
    button->setAutoFillBackground(true);
}

} // namespace

MainWindow::MainWindow(UserDialogs &dialogs, QWidget *parent)
    : QMainWindow(parent)
    , m_dialogs(dialogs)
{
    setObjectName(u"frmQuonda"_s);
    setWindowTitle(u"QD5 Tastwerk"_s);
    setWindowIcon(ProgramPictures::icon());
    createControls();
    createMenus();
    setFocusOrder();

    m_preview = new PreviewController(*this);
    m_library = new LibraryController(*this);
    m_editor = new EditorController(*this);
    m_files = new FilesController(*this);
    m_help = new HelpController(*this);
    m_builder = new BuilderController(*this);

    startUp();
}

MainWindow::~MainWindow() = default;

QPushButton *MainWindow::builderButton(int index) const
{
    return index >= 0 && index < int(m_builderButtons.size()) ? m_builderButtons.at(index) : nullptr;
}

void MainWindow::createControls()
{
    auto *central = new QWidget(this);
    central->setObjectName(u"clientArea"_s);
    central->setFixedSize(Twips::size(7965, 8205));
    setCentralWidget(central);

    m_picture1 = new QWidget(central);
    m_picture1->setObjectName(u"Picture1"_s);
    m_picture1->setGeometry(Twips::rect(0, 0, 6000, 6075));
    m_picture1->setToolTip(u"Button-Feld"_s);
    m_picture1->setFocusPolicy(Qt::TabFocus);

    m_templateImage = new ClickableImage(m_picture1);
    m_templateImage->setObjectName(u"imgQDMenu_0"_s);
    m_templateImage->setGeometry(Twips::rect(0, 0, 1200, 750));
    m_templateImage->setPixmap(ButtonPicture::templatePicture());
    m_templateImage->setToolTip(u"Version anzeigen"_s);
    m_templateImage->hide();

    m_templateLabel = new QLabel(m_picture1);
    m_templateLabel->setObjectName(u"lblQDMenu_0"_s);
    m_templateLabel->setGeometry(Twips::rect(0, 720, 1200, 450));
    m_templateLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_templateLabel->setWordWrap(true);
    // Captions come from the vocabulary file: markup in them is text.
    m_templateLabel->setTextFormat(Qt::PlainText);
    m_templateLabel->setFont(Fonts::sansLight());
    m_templateLabel->setText(u"Test Test Test Test Test Test"_s);
    m_templateLabel->hide();

    m_frame2 = new QGroupBox(u"Steuerung"_s, central);
    m_frame2->setObjectName(u"Frame2"_s);
    m_frame2->setGeometry(Twips::rect(6000, 0, 1935, 6105));

    struct BuilderButton
    {
        int index;
        QString caption;
        QString tooltip;
        int top;
    };
    const BuilderButton builderButtons[] = {
        {2, u"&Start/Weiter"_s, u"Buttons Blättern"_s, 240},
        {9, u"&Menü Zeigen"_s, {}, 840},
        {0, u"&Menü Löschen"_s, {}, 1680},
        {3, u"1. &Zeile Menü"_s, u"Allererste Zeile"_s, 3600},
        {4, u"Titel &Menü"_s, u"Titel jeder Seite"_s, 4200},
        {6, u"&Pfeil zu 1. Seite"_s, u"Am Ende des Menüs"_s, 5520},
    };
    for (const BuilderButton &entry : builderButtons) {
        auto *button = new QPushButton(entry.caption, m_frame2);
        button->setObjectName(u"cmdQDButton_%1"_s.arg(entry.index));
        button->setGeometry(Twips::rect(120, entry.top, 1695, 495));
        button->setToolTip(entry.tooltip);
        button->setFont(Fonts::system());
        m_builderButtons.at(entry.index) = button;
    }
    paintFace(m_builderButtons.at(2), Green);

    auto *label1 = new QLabel(u"Menü-Titel"_s, m_frame2);
    label1->setObjectName(u"Label1"_s);
    label1->setGeometry(Twips::rect(120, 4800, 1215, 255));
    label1->setAlignment(Qt::AlignCenter);
    auto *label2 = new QLabel(u"Seite"_s, m_frame2);
    label2->setObjectName(u"Label2"_s);
    label2->setGeometry(Twips::rect(1320, 4800, 495, 255));
    label2->setAlignment(Qt::AlignCenter);

    m_titleField = new QLineEdit(m_frame2);
    m_titleField->setObjectName(u"txtTitel_1"_s);
    m_titleField->setGeometry(Twips::rect(120, 5040, 1215, 375));
    m_titleField->setToolTip(u"Titel jeder Seite"_s);
    // The title goes into a record; pasted text is cut no sooner than the
    // lists' edit fields cut an entry.
    m_titleField->setMaxLength(std::numeric_limits<int>::max());

    m_pageField = new QLineEdit(u"1"_s, m_frame2);
    m_pageField->setObjectName(u"txtTitel_0"_s);
    m_pageField->setGeometry(Twips::rect(1320, 5040, 495, 375));
    m_pageField->setAlignment(Qt::AlignCenter);
    m_pageField->setFont(Fonts::msSansSerif());
    m_pageField->setToolTip(u"Seite"_s);

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
    };
    const MoveButton moveButtons[] = {
        {u"cmdAuf10", u"Auf 10", 6120, true, RedOrange},
        {u"cmdAuf", u"Auf 1", 6480, true, Green},
        {u"cmdAb", u"Ab 1", 6960, false, Green},
        {u"cmdAb10", u"Ab 10", 7320, false, RedOrange},
    };
    const int steps[] = {-10, -1, 1, 10};
    // Each picture is read once: an icon made from a file reads it whole.
    const QIcon up(u":/shell/arrow_up.png"_s);
    const QIcon down(u":/shell/arrow_down.png"_s);
    for (std::size_t i = 0; i < m_moveButtons.size(); ++i) {
        const MoveButton &entry = moveButtons[i];
        auto *button = new QPushButton(central);
        button->setObjectName(QString::fromUtf16(entry.name));
        button->setGeometry(Twips::rect(7560, entry.top, 375, 375));
        button->setToolTip(QString::fromUtf16(entry.tooltip));
        button->setIcon(entry.up ? up : down);
        button->setIconSize(button->size() - QSize(6, 6));
        paintFace(button, entry.face);
        const int step = steps[i];
        connect(button, &QPushButton::clicked, this, [this, step] { EintragVerschieben(step); });
        m_moveButtons.at(i) = button;
    }

    m_vocabularyBox = new EntryComboBox(&m_state.vocabulary, central);
    m_vocabularyBox->setObjectName(u"cboQDMenu_1"_s);
    m_vocabularyBox->setGeometry(Twips::rect(0, 7800, 7935, 330));
    m_vocabularyBox->setFont(Fonts::courierNew());
    m_vocabularyBox->setToolTip(u"Befehl (min.incl. Blancs=25 + Beschriftung der Buttons (min. 1 Blanc)"_s);

    m_drive1 = new DriveList(central);
    m_drive1->setObjectName(u"Drive1"_s);
    m_drive1->setGeometry(Twips::rect(3600, 120, 2295, 315));
    m_drive1->hide();

    m_dir1 = new FolderList(central);
    m_dir1->setObjectName(u"Dir1"_s);
    m_dir1->setGeometry(Twips::rect(3600, 480, 2295, 5490));
    m_dir1->hide();

    m_lstButtons = new QListView(central);
    m_lstButtons->setObjectName(u"lstButtons"_s);
    m_lstButtons->setGeometry(Twips::rect(5160, 6240, 1695, 1815));
    m_lstButtons->setModel(&m_state.buttonFiles);
    m_lstButtons->setUniformItemSizes(true);
    m_lstButtons->hide();
}

void MainWindow::createMenus()
{
    QMenuBar *bar = menuBar();

    QMenu *datei = bar->addMenu(u"&Datei"_s);
    datei->setObjectName(u"mnuDatei"_s);
    QAction *open = datei->addAction(u"&Öffnen"_s);
    open->setObjectName(u"mnuDLaden"_s);
    QAction *save = datei->addAction(u"&Speichern"_s);
    save->setObjectName(u"mnuDSpeichern"_s);
    datei->addSeparator()->setObjectName(u"mnuLeer1"_s);
    QAction *end = datei->addAction(u"&Ende"_s);
    end->setObjectName(u"mnuDEnde"_s);
    connect(end, &QAction::triggered, this, &QWidget::close);
    connect(open, &QAction::triggered, this, [this] { m_files->openMenuFile(); });
    connect(save, &QAction::triggered, this, [this] { m_files->saveMenuFile(); });

    QMenu *buttons = bar->addMenu(u"&Buttons"_s);
    buttons->setObjectName(u"mnuButtons"_s);
    m_mnuBOrdnerWae = buttons->addAction(u"&Ordner Wählen"_s);
    m_mnuBOrdnerWae->setObjectName(u"mnuBOrdnerWae"_s);
    m_mnuBLaden = buttons->addAction(u"&Laden"_s);
    m_mnuBLaden->setObjectName(u"mnuBLaden"_s);

    QAction *manual = bar->addAction(u"&Anleitung"_s);
    manual->setObjectName(u"mnuAnleitung"_s);
    QAction *history = bar->addAction(u"&Historie"_s);
    history->setObjectName(u"mnuHistorie"_s);
    QAction *info = bar->addAction(u"&Info"_s);
    info->setObjectName(u"mnuInfo"_s);
    connect(manual, &QAction::triggered, this, [this] { m_help->showManual(); });
    connect(history, &QAction::triggered, this, [this] { m_help->showHistory(); });
    connect(info, &QAction::triggered, this, [this] { m_help->showInfo(); });
}

void MainWindow::setFocusOrder()
{
    // The record list first, then the button field and the vocabulary.
    QWidget *const order[] = {
        m_recordListBox,
        m_picture1,
        m_vocabularyBox,
        // the frame "Steuerung", top to bottom
        m_builderButtons.at(2),
        m_builderButtons.at(9),
        m_builderButtons.at(0),
        m_builderButtons.at(3),
        m_builderButtons.at(4),
        m_titleField,
        m_pageField,
        m_builderButtons.at(6),
        // the move buttons beside the record list
        m_moveButtons.at(0),
        m_moveButtons.at(1),
        m_moveButtons.at(2),
        m_moveButtons.at(3),
    };
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    m_recordListBox->setFocus();
}

void MainWindow::startUp()
{
    m_state.startDirectory = QDir::currentPath();
    // The batch counters start at "none shown yet" in the library controller.
    setWindowTitle(ProgramInfo::titleWithVersion());
    m_files->loadVocabulary();
}

void MainWindow::EintragVerschieben(int step)
{
    m_editor->moveEntry(step);
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
    const bool saved = m_files->offerToSaveChangedMenu() && m_files->saveVocabularyAtExit();
    m_askingBeforeShutDown = false;
    if (!saved)
        return false;
    m_shutDown = true;
    m_library->releaseButtonField();
    m_library->closeFileList();
    m_help->closeInfo();
    m_help->closeText();
    m_preview->closePreview();
    m_files->restoreStartDirectory();
    return true;
}
