#include "check/CheckWindow.h"

#include "common/ProgramPictures.h"
#include "common/Twips.h"

#include <QHeaderView>
#include <QTreeView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

CheckWindow::CheckWindow(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"frmQDPruefen"_s);
    setWindowTitle(u"Menü prüfen"_s);
    setWindowIcon(ProgramPictures::icon());

    m_view = new QTreeView(this);
    m_view->setObjectName(u"lstBefunde"_s);
    m_view->setModel(&m_model);
    m_view->setRootIsDecorated(false);
    m_view->setUniformRowHeights(true);
    m_view->setAllColumnsShowFocus(true);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->header()->setStretchLastSection(true);
    m_view->setColumnWidth(FindingsModel::SeverityColumn, Twips::size(1500, 0).width());
    m_view->setColumnWidth(FindingsModel::LineColumn, Twips::size(750, 0).width());
    connect(m_view, &QTreeView::doubleClicked, this, [this](const QModelIndex &index) {
        const int row = m_model.recordRow(index.row());
        if (row >= 0)
            emit recordChosen(row);
    });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    resize(Twips::size(9000, 3600));
}

void CheckWindow::showFindings(QList<CheckFinding> findings)
{
    m_model.setFindings(std::move(findings));
}
