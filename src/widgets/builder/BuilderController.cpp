#include "builder/BuilderController.h"

#include "builder/ControlFrame.h"
#include "dialogs/UserDialogs.h"
#include "model/MenuRecords.h"
#include "model/PageNumber.h"
#include "model/ProgramState.h"

#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

BuilderController::BuilderController(ProgramState &state, UserDialogs &dialogs, ControlFrame &frame, QObject *parent)
    : QObject(parent)
    , m_state(state)
    , m_dialogs(dialogs)
    , m_frame(frame)
{
    setObjectName(u"builderController"_s);
    for (const Builder builder : {Builder::ClearMenu, Builder::NextBatch, Builder::BlockLine, Builder::PageHeader,
                                  Builder::FirstPageItem, Builder::ShowMenu}) {
        connect(frame.button(builder), &QPushButton::clicked, this, [this, builder] { click(builder); });
    }
}

void BuilderController::click(Builder builder)
{
    // The builder only appends or clears; none of it marks the list as
    // edited by hand.
    switch (builder) {
    case Builder::ClearMenu: clearMenu(); break;
    case Builder::NextBatch: requestNextBatch(); break;
    case Builder::BlockLine: m_state.recordList.append(MenuRecords::blockLine()); break;
    case Builder::PageHeader: appendPageHeader(); break;
    case Builder::FirstPageItem: appendFirstPageItem(); break;
    case Builder::ShowMenu: requestPreview(); break;
    }
}

void BuilderController::appendButtonItem(const QString &command)
{
    m_state.recordList.append(MenuRecords::itemForButton(command, m_frame.pageField()->text()));
}

void BuilderController::clearMenu()
{
    const auto answer = m_dialogs.message(u"Menü wirklich Löschen? "_s, UserDialogs::Icon::Question,
                                          UserDialogs::Buttons::YesNo, u"Bestätigung!"_s);
    if (answer == UserDialogs::Answer::Yes)
        m_state.recordList.clear();
}

void BuilderController::appendPageHeader()
{
    QLineEdit *pageField = m_frame.pageField();
    const QString page = pageField->text();
    m_state.recordList.append(MenuRecords::pageHeader(page, m_frame.titleField()->text()));
    pageField->setText(PageNumber::next(page));
}

void BuilderController::appendFirstPageItem()
{
    m_state.recordList.append(MenuRecords::firstPageItem());
    m_frame.pageField()->setText(u"1"_s);
}

void BuilderController::requestNextBatch()
{
    if (m_state.buttonFiles.isEmpty()) {
        m_dialogs.refuse(u"Bitte Buttons zuerst Laden!"_s);
        return;
    }
    emit nextBatchRequested();
}

void BuilderController::requestPreview()
{
    if (m_state.buttonFiles.isEmpty() || m_state.recordList.isEmpty()) {
        m_dialogs.refuse(u"Bitte Buttons und .mnu zuerst Laden!"_s);
        return;
    }
    emit previewRequested();
}
