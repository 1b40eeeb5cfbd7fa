#include "overview/OverviewWindow.h"

#include "common/ProgramPictures.h"
#include "model/AnyChange.h"
#include "model/ProgramState.h"
#include "overview/PageGridView.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

OverviewWindow::OverviewWindow(const ProgramState &state, OverviewPages &pages, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_pages(pages)
{
    setObjectName(u"frmQDUebersicht"_s);
    setWindowTitle(u"Menü-Übersicht"_s);
    setWindowIcon(ProgramPictures::icon());
    setAttribute(Qt::WA_DeleteOnClose);
    m_refreshTimer.setSingleShot(true);
    m_refreshTimer.setInterval(0);
    connect(&m_refreshTimer, &QTimer::timeout, this, &OverviewWindow::refresh);
    createControls();
    follow(state.recordList);
    follow(state.buttonFiles);
    follow(state.vocabulary);
    refresh();
    // Three pages side by side at the first zoom.
    resize(620, 680);
}

void OverviewWindow::createControls()
{
    m_imagesButton = new QPushButton(u"Als Bilder speichern…"_s, this);
    m_imagesButton->setObjectName(u"cmdBilder"_s);
    connect(m_imagesButton, &QPushButton::clicked, this, &OverviewWindow::imagesRequested);
    m_pdfButton = new QPushButton(u"Als PDF speichern…"_s, this);
    m_pdfButton->setObjectName(u"cmdPdf"_s);
    connect(m_pdfButton, &QPushButton::clicked, this, &OverviewWindow::pdfRequested);

    m_view = new PageGridView(m_pages, this);
    m_view->setObjectName(u"picUebersicht"_s);
    connect(m_view, &PageGridView::recordClicked, this, &OverviewWindow::recordClicked);

    m_noPage = new QLabel(u"Das Menü hat noch keine Seite."_s, this);
    m_noPage->setObjectName(u"lblKeineSeite"_s);
    m_noPage->setAlignment(Qt::AlignCenter);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_imagesButton);
    buttons->addWidget(m_pdfButton);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_noPage, 1);

    auto *zoomIn = new QAction(this);
    zoomIn->setObjectName(u"actGroesser"_s);
    zoomIn->setShortcuts({QKeySequence(Qt::ControlModifier | Qt::Key_Plus),
                          QKeySequence(Qt::ControlModifier | Qt::Key_Equal),
                          QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Plus)});
    connect(zoomIn, &QAction::triggered, m_view, &PageGridView::zoomIn);
    addAction(zoomIn);
    auto *zoomOut = new QAction(this);
    zoomOut->setObjectName(u"actKleiner"_s);
    zoomOut->setShortcuts({QKeySequence(Qt::ControlModifier | Qt::Key_Minus),
                           QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Minus)});
    connect(zoomOut, &QAction::triggered, m_view, &PageGridView::zoomOut);
    addAction(zoomOut);
}

void OverviewWindow::follow(const QAbstractItemModel &model)
{
    connectAnyChange(model, this, &OverviewWindow::scheduleRefresh);
}

void OverviewWindow::scheduleRefresh()
{
    // A paste or an open changes the list many times in one go; the
    // pages are found and drawn once, when the event loop comes round.
    if (!m_refreshTimer.isActive())
        m_refreshTimer.start();
}

void OverviewWindow::refresh()
{
    m_refreshTimer.stop();
    m_pages.ensureCurrent();
    const bool hasPages = m_pages.count() > 0;
    m_view->setVisible(hasPages);
    m_noPage->setVisible(!hasPages);
    m_imagesButton->setEnabled(hasPages);
    m_pdfButton->setEnabled(hasPages);
    m_view->pagesChanged();
}
