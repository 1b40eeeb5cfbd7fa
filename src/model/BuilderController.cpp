#include "model/BuilderController.h"

#include "library/LibraryController.h"
#include "model/MenuRecords.h"
#include "model/PageNumber.h"
#include "preview/PreviewController.h"
#include "shell/MainWindow.h"
#include "shell/UserDialogs.h"

#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

BuilderController::BuilderController(MainWindow &window)
    : QObject(&window)
    , m_window(window)
{
    setObjectName(u"builderController"_s);
    for (const int index : MainWindow::BuilderIndexes) {
        connect(window.builderButton(index), &QPushButton::clicked, this, [this, index] { click(index); });
    }
}

void BuilderController::click(int index)
{
    // The builder only appends or clears; none of it marks the list as
    // edited by hand.
    switch (index) {
    case 0: clearMenu(); break;
    case 2: startOrNextBatch(); break;
    case 3: m_window.state().recordList.append(MenuRecords::blockLine()); break;
    case 4: appendPageHeader(); break;
    case 6: appendFirstPageItem(); break;
    case 9: showPreview(); break;
    default: break;
    }
}

void BuilderController::clearMenu()
{
    const auto answer = m_window.dialogs().message(u"Menü wirklich Löschen? "_s, UserDialogs::Icon::Question,
                                                   UserDialogs::Buttons::YesNo, u"Bestätigung!"_s);
    if (answer == UserDialogs::Answer::Yes)
        m_window.state().recordList.clear();
}

void BuilderController::appendPageHeader()
{
    QLineEdit *pageField = m_window.pageField();
    const QString page = pageField->text();
    m_window.state().recordList.append(MenuRecords::pageHeader(page, m_window.titleField()->text()));
    pageField->setText(PageNumber::next(page));
}

void BuilderController::appendFirstPageItem()
{
    m_window.state().recordList.append(MenuRecords::firstPageItem());
    m_window.pageField()->setText(u"1"_s);
}

void BuilderController::startOrNextBatch()
{
    if (m_window.state().buttonFiles.isEmpty()) {
        m_window.dialogs().refuse(u"Bitte Buttons zuerst Laden!"_s);
        return;
    }
    m_window.library()->showNextBatch();
}

void BuilderController::showPreview()
{
    const ProgramState &state = m_window.state();
    if (state.buttonFiles.isEmpty() || state.recordList.isEmpty()) {
        m_window.dialogs().refuse(u"Bitte Buttons und .mnu zuerst Laden!"_s);
        return;
    }
    m_window.preview()->showPreview();
}
