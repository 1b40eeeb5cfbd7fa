#include "ScreenshotTour.h"

#include "check/CheckController.h"
#include "check/CheckWindow.h"
#include "common/ClickableImage.h"
#include "editor/EntryListBox.h"
#include "help/HelpController.h"
#include "help/InfoWindow.h"
#include "help/TextWindow.h"
#include "library/FileListWindow.h"
#include "library/FolderList.h"
#include "library/LibraryController.h"
#include "MainWindow.h"
#include "overview/OverviewController.h"
#include "overview/OverviewWindow.h"
#include "overview/PageExport.h"
#include "preview/PreviewController.h"
#include "preview/PreviewWindow.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The two pages of "Optionen": the commands of page 1, then those of page 2.
const QStringList FirstPage = {u"navigate_to"_s,  u"show_map"_s,   u"plan_via"_s,
                               u"add_favorite"_s, u"set_volume"_s, u"page"_s};
const QStringList SecondPage = {u"switch_nightview"_s, u"set_language"_s};

// Three batches of buttons walked 0 1 2 1 0: four steps reach any of them.
constexpr int StepsToAnyBatch = 4;

bool shown(QWidget *window)
{
    if (!window || !QTest::qWaitForWindowExposed(window))
        return false;
    QApplication::processEvents();
    return true;
}

} // namespace

ScreenshotTour::ScreenshotTour(const QString &buttonSet, const QString &outputFolder, const QString &workingFolder)
    : m_buttonSet(buttonSet)
    , m_output(outputFolder)
    , m_workingFolder(workingFolder)
    , m_previousFolder(QDir::currentPath())
{
}

ScreenshotTour::~ScreenshotTour()
{
    // Closing runs the shut-down, which offers the unsaved menu: No.
    if (m_window)
        m_window->close();
    m_window.reset();
    QDir::setCurrent(m_previousFolder);
}

bool ScreenshotTour::run()
{
    return prepareWorkingFolder() && chooseAndLoadButtons() && composeMenu() && showFirstBatch() && previewMenu()
           && showOverview() && checkMenu() && showHelpWindows() && showEditMenu();
}

bool ScreenshotTour::fail(const QString &reason)
{
    m_error = reason;
    return false;
}

bool ScreenshotTour::noBoxShown(const QString &step)
{
    if (m_dialogs.shown.isEmpty())
        return true;
    return fail(step + u": unexpected box: "_s + m_dialogs.shown.join(u" / "_s));
}

bool ScreenshotTour::grab(QWidget *window, const QString &name)
{
    if (!shown(window))
        return fail(name + u": the window did not show"_s);
    if (!m_output.mkpath(u"."_s) || !window->grab().save(m_output.filePath(name)))
        return fail(u"could not write "_s + m_output.filePath(name));
    return true;
}

bool ScreenshotTour::prepareWorkingFolder()
{
    // A fresh working folder without "Quonda.dat": the built-in vocabulary.
    const QDir source(m_buttonSet);
    const QDir &work = m_workingFolder;
    if (work.exists() && !work.isEmpty())
        return fail(u"the working folder is not empty: "_s + work.path());
    if (!work.mkpath(u"buttons"_s))
        return fail(u"could not make the button folder in "_s + work.path());
    const QStringList names = source.entryList({u"*.gif"_s}, QDir::Files);
    if (names.isEmpty())
        return fail(u"no button pictures in "_s + m_buttonSet);
    for (const QString &name : names) {
        if (!QFile::copy(source.filePath(name), work.filePath(u"buttons/"_s + name)))
            return fail(u"could not copy "_s + name);
    }
    QDir::setCurrent(work.path());

    m_window = std::make_unique<MainWindow>(m_dialogs);
    m_window->adjustSize();
    m_window->setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, m_window->size(),
                                              m_window->screen()->availableGeometry()));
    m_window->show();
    return shown(m_window.get()) || fail(u"the main window did not show"_s);
}

bool ScreenshotTour::chooseAndLoadButtons()
{
    child<QAction>(u"mnuBOrdnerWae"_s)->trigger();
    FolderList *folders = child<FolderList>(u"Dir1"_s);
    const QList<QTreeWidgetItem *> rows = folders->findItems(u"buttons"_s, Qt::MatchExactly | Qt::MatchRecursive);
    if (rows.size() != 1)
        return fail(u"the folder list does not offer the button folder"_s);
    QTest::mouseDClick(folders->viewport(), Qt::LeftButton, {}, folders->visualItemRect(rows.first()).center());
    if (!grab(m_window.get(), u"folder-choice.png"_s))
        return false;

    child<QAction>(u"mnuBLaden"_s)->trigger();
    FileListWindow *fileList = child<LibraryController>(u"libraryController"_s)->fileList();
    if (!grab(fileList, u"file-list.png"_s))
        return false;
    QTest::mouseClick(fileList->findChild<QPushButton *>(u"cmdFileList_0"_s), Qt::LeftButton);
    if (m_window->state().buttonFiles.isEmpty())
        return fail(u"no buttons were loaded"_s);
    return noBoxShown(u"loading"_s);
}

void ScreenshotTour::clickBuilder(Builder builder)
{
    QTest::mouseClick(child<QPushButton>(u"cmdQDButton_%1"_s.arg(int(builder))), Qt::LeftButton);
}

ClickableImage *ScreenshotTour::shownButton(const QString &command) const
{
    // Tooltips read "034 navigate_to".
    for (ClickableImage *image : child(u"Picture1"_s)->findChildren<ClickableImage *>()) {
        if (image->isVisible() && image->toolTip().mid(4) == command)
            return image;
    }
    return nullptr;
}

bool ScreenshotTour::clickButton(const QString &command)
{
    for (int step = 0; step < StepsToAnyBatch && !shownButton(command); ++step)
        clickBuilder(Builder::NextBatch);
    ClickableImage *image = shownButton(command);
    if (!image)
        return fail(u"no button "_s + command);
    QTest::mouseClick(image, Qt::LeftButton);
    return true;
}

bool ScreenshotTour::composeMenu()
{
    QTest::mouseClick(child<QLineEdit>(u"txtTitel_1"_s), Qt::LeftButton);
    QTest::keyClicks(child<QLineEdit>(u"txtTitel_1"_s), u"Optionen"_s);
    clickBuilder(Builder::BlockLine);
    clickBuilder(Builder::PageHeader);
    for (const QString &command : FirstPage) {
        if (!clickButton(command))
            return false;
    }
    clickBuilder(Builder::PageHeader);
    for (const QString &command : SecondPage) {
        if (!clickButton(command))
            return false;
    }
    clickBuilder(Builder::FirstPageItem);
    return noBoxShown(u"composing"_s);
}

bool ScreenshotTour::showFirstBatch()
{
    // Back to the first, full batch for the picture of the main window.
    for (int step = 0; step < StepsToAnyBatch && !shownButton(u"about"_s); ++step)
        clickBuilder(Builder::NextBatch);
    if (!shownButton(u"about"_s))
        return fail(u"the first batch did not come back"_s);
    child<QLineEdit>(u"txtTitel_1"_s)->clearFocus();
    child(u"cboQDMenu_0"_s)->setFocus();
    return grab(m_window.get(), u"main-window.png"_s);
}

bool ScreenshotTour::previewMenu()
{
    clickBuilder(Builder::ShowMenu);
    PreviewWindow *preview = child<PreviewController>(u"previewController"_s)->previewWindow();
    if (!grab(preview, u"preview-page1.png"_s))
        return false;
    QTest::mouseClick(preview->findChild<ClickableImage *>(u"imgMen_5"_s), Qt::LeftButton);
    if (!grab(preview, u"preview-page2.png"_s))
        return false;
    return noBoxShown(u"preview"_s);
}

bool ScreenshotTour::showOverview()
{
    child<QAction>(u"mnuEUebersicht"_s)->trigger();
    OverviewWindow *overview = child<OverviewController>(u"overviewController"_s)->overviewWindow();
    if (!overview)
        return fail(u"the overview did not open"_s);
    overview->resize(420, 410);
    if (!grab(overview, u"overview.png"_s))
        return false;
    // The sheet "Als PDF speichern…" writes; scripts/screenshots.sh makes
    // a picture of its first page.
    QFile pdf(m_workingFolder.filePath(u"overview.pdf"_s));
    if (!pdf.open(QIODevice::WriteOnly)
        || !PageExport::writePdf(overview->pages(), &pdf,
                                 PageExport::heading(m_window->state().menuFile, QDate::currentDate())))
        return fail(u"could not write "_s + pdf.fileName());
    overview->close();
    return noBoxShown(u"overview"_s);
}

bool ScreenshotTour::checkMenu()
{
    // Two slips by hand, so that the window has something to say: a command
    // of no button on page 1, and the page turn made to point nowhere.
    EntryListModel &records = m_window->state().recordList;
    records.replace(7, u"MENUITEM|TASK_PAGE3|"_s);
    records.insert(2, u"MENUITEM|TASK_NAVIGATE_HOME|"_s);
    child<QAction>(u"mnuEPruefen"_s)->trigger();
    CheckWindow *window = child<CheckController>(u"checkController"_s)->checkWindow();
    if (!grab(window, u"check.png"_s))
        return false;
    window->close();
    return noBoxShown(u"check"_s);
}

bool ScreenshotTour::showHelpWindows()
{
    HelpController *help = child<HelpController>(u"helpController"_s);
    help->showManual();
    if (!grab(help->textWindow(), u"manual.png"_s))
        return false;
    help->showHistory();
    if (!grab(help->textWindow(), u"history.png"_s))
        return false;
    help->showInfo();
    return grab(help->infoWindow(), u"info.png"_s);
}

bool ScreenshotTour::showEditMenu()
{
    child<HelpController>(u"helpController"_s)->closeText();
    child<HelpController>(u"helpController"_s)->closeInfo();
    child<PreviewController>(u"previewController"_s)->closePreview();
    // One step taken back, so that both commands name a step.
    child<QAction>(u"mnuBeRueckgaengig"_s)->trigger();
    m_window->activateWindow();
    QMenu *menu = child<QMenu>(u"mnuBearbeiten"_s);
    m_window->menuBar()->setActiveAction(menu->menuAction());
    if (!shown(menu))
        return fail(u"the menu B&earbeiten did not open"_s);
    // The open menu is a window of its own over the main window: the
    // picture is taken from the screen.
    const QRect area = m_window->frameGeometry();
    const QPixmap picture = m_window->screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    if (!m_output.mkpath(u"."_s) || !picture.save(m_output.filePath(u"edit-menu.png"_s)))
        return fail(u"could not write "_s + m_output.filePath(u"edit-menu.png"_s));
    menu->close();
    return noBoxShown(u"edit menu"_s);
}
