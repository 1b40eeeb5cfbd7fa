#include "builder/BuilderController.h"

#include "builder/ControlFrame.h"
#include "dialogs/UserDialogs.h"
#include "history/EditHistory.h"
#include "model/MenuRecords.h"
#include "model/PageNumber.h"
#include "model/ProgramState.h"

#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

BuilderController::BuilderController(ProgramState &state, UserDialogs &dialogs, ControlFrame &frame,
                                     EditHistory &history, QObject *parent)
    : QObject(parent)
    , m_state(state)
    , m_dialogs(dialogs)
    , m_frame(frame)
    , m_history(history)
{
    setObjectName(u"builderController"_s);
    m_history.watchField(frame.pageField());
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
    case Builder::BlockLine:
        m_history.step([this] {
            m_state.recordList.append(MenuRecords::blockLine());
            return u"1. Zeile Menü"_s;
        });
        break;
    case Builder::PageHeader: appendPageHeader(); break;
    case Builder::FirstPageItem: appendFirstPageItem(); break;
    case Builder::ShowMenu: requestPreview(); break;
    }
}

void BuilderController::appendButtonItem(const QString &command)
{
    insertButtonItem(command, m_state.recordList.count());
}

void BuilderController::insertButtonItem(const QString &command, int before)
{
    if (before < 0 || before > m_state.recordList.count())
        return;
    m_history.step([this, &command, before] {
        m_state.recordList.insert(before, MenuRecords::itemForButton(command, m_frame.pageField()->text()));
        return u"Button %1 einfügen"_s.arg(command);
    });
}

void BuilderController::clearMenu()
{
    m_history.step([this] {
        const auto answer = m_dialogs.message(u"Menü wirklich Löschen? "_s, UserDialogs::Icon::Question,
                                              UserDialogs::Buttons::YesNo, u"Bestätigung!"_s);
        if (answer == UserDialogs::Answer::Yes)
            m_state.recordList.clear();
        return u"Menü löschen"_s;
    });
}

void BuilderController::appendPageHeader()
{
    m_history.step([this] {
        QLineEdit *pageField = m_frame.pageField();
        const QString page = pageField->text();
        m_state.recordList.append(MenuRecords::pageHeader(page, m_frame.titleField()->text()));
        pageField->setText(PageNumber::next(page));
        return u"Titel Menü"_s;
    });
}

void BuilderController::appendFirstPageItem()
{
    m_history.step([this] {
        m_state.recordList.append(MenuRecords::firstPageItem());
        m_frame.pageField()->setText(u"1"_s);
        return u"Pfeil zu 1. Seite"_s;
    });
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
