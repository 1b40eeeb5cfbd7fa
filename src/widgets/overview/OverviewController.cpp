#include "overview/OverviewController.h"

#include "dialogs/UserDialogs.h"
#include "files/FileTexts.h"
#include "model/AnyChange.h"
#include "model/ProgramState.h"
#include "overview/OverviewWindow.h"
#include "overview/PageExport.h"

#include <QAbstractItemModel>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace {

const QString ImagesTitle = u"Als Bilder speichern"_s;
const QString PdfTitle = u"Als PDF speichern"_s;

} // namespace

OverviewController::OverviewController(const ProgramState &state, UserDialogs &dialogs, QWidget *owner, QObject *parent)
    : QObject(parent)
    , m_state(state)
    , m_dialogs(dialogs)
    , m_owner(owner)
    , m_pages(state)
{
    setObjectName(u"overviewController"_s);
    follow(state.recordList, Source::Records);
    follow(state.buttonFiles, Source::ButtonFiles);
    follow(state.vocabulary, Source::Vocabulary);
}

void OverviewController::follow(const QAbstractItemModel &model, Source source)
{
    // Only a change of the records moves pages; the others redraw them.
    // Each is noted and nothing more: the work waits until the pages are
    // next shown.
    const auto changed = [this, source] {
        switch (source) {
        case Source::Records: m_pages.markStale(); break;
        case Source::Vocabulary: m_pages.forgetDrawn(); break;
        case Source::ButtonFiles: m_pages.forgetPictures(); break;
        }
    };
    connectAnyChange(model, this, changed);
}

void OverviewController::showOverview()
{
    if (m_overview && !m_overview->isVisible())
        closeOverview();
    if (!m_overview) {
        m_overview = new OverviewWindow(m_state, m_pages, m_owner);
        connect(m_overview, &OverviewWindow::recordClicked, this, &OverviewController::recordChosen);
        connect(m_overview, &OverviewWindow::imagesRequested, this, &OverviewController::saveImages);
        connect(m_overview, &OverviewWindow::pdfRequested, this, &OverviewController::savePdf);
    }
    m_overview->show();
    m_overview->raise();
    m_overview->activateWindow();
}

void OverviewController::closeOverview()
{
    delete m_overview.data();
}

OverviewWindow *OverviewController::overviewWindow() const
{
    return m_overview.data();
}

void OverviewController::saveImages()
{
    if (!m_overview)
        return;
    OverviewPages &pages = m_overview->pages();
    pages.ensureCurrent();
    const std::optional<QString> folder = m_dialogs.folderName(u"Ordner für die Seitenbilder"_s);
    if (!folder)
        return;
    const QDir target(*folder);
    bool overwrites = false;
    for (int index = 0; index < pages.count() && !overwrites; ++index)
        overwrites = QFileInfo::exists(target.filePath(PageExport::imageName(index, pages.count())));
    if (overwrites
        && m_dialogs.message(u"Im Ordner liegen schon Seitenbilder. Überschreiben?"_s, UserDialogs::Icon::None,
                             UserDialogs::Buttons::YesNo, ImagesTitle)
               != UserDialogs::Answer::Yes)
        return;
    if (const std::optional<QString> failed = PageExport::writeImages(pages, *folder)) {
        m_dialogs.message(u"Das Bild „%1“ konnte nicht gespeichert werden."_s.arg(*failed),
                          UserDialogs::Icon::Exclamation, UserDialogs::Buttons::Ok, ImagesTitle);
    }
}

void OverviewController::savePdf()
{
    if (!m_overview)
        return;
    OverviewPages &pages = m_overview->pages();
    pages.ensureCurrent();
    const std::optional<QString> chosen = m_dialogs.saveFileName({
        .title = PdfTitle,
        .filter = u"PDF-Dateien (*.pdf)|*.pdf"_s,
        .filterIndex = 1,
        .proposedPath = {},
    });
    if (!chosen)
        return;
    QString path = QFileInfo(*chosen).absoluteFilePath();
    if (QFileInfo(path).suffix().isEmpty())
        path += u".pdf"_s;
    if (QFileInfo(path).isFile()
        && m_dialogs.message(FileTexts::overwriteQuestion(), UserDialogs::Icon::None, UserDialogs::Buttons::YesNo,
                             PdfTitle)
               != UserDialogs::Answer::Yes)
        return;

    QSaveFile file(path);
    const QString heading = PageExport::heading(m_state.menuFile, QDate::currentDate());
    if (!file.open(QIODevice::WriteOnly) || !PageExport::writePdf(pages, &file, heading) || !file.commit()) {
        m_dialogs.message(u"Die Datei „%1“ konnte nicht gespeichert werden."_s.arg(QFileInfo(path).fileName()),
                          UserDialogs::Icon::Exclamation, UserDialogs::Buttons::Ok, PdfTitle);
    }
}
