#include "editor/EditorController.h"

#include "dialogs/UserDialogs.h"
#include "editor/EntryComboBox.h"
#include "editor/EntryListBox.h"
#include "editor/RecordMover.h"
#include "editor/ReturnLogic.h"
#include "history/EditHistory.h"
#include "model/ProgramState.h"

using namespace Qt::StringLiterals;

namespace {

constexpr QChar Return = u'\r';

QString stepName(ReturnLogic::Action action)
{
    switch (action) {
    case ReturnLogic::Action::Added: return u"Eintrag hinzufügen"_s;
    case ReturnLogic::Action::Changed: return u"Eintrag ändern"_s;
    case ReturnLogic::Action::Deleted: return u"Eintrag löschen"_s;
    }
    return {};
}

} // namespace

EditorController::EditorController(ProgramState &state, UserDialogs &dialogs, EntryListBox &records,
                                   EntryComboBox &vocabulary, Histories histories, QObject *parent)
    : QObject(parent)
    , m_state(state)
    , m_dialogs(dialogs)
    , m_records(records)
    , m_vocabulary(vocabulary)
    , m_histories(histories)
    , m_rememberedRecord(m_state.recordList)
    , m_rememberedVocabulary(m_state.vocabulary)
{
    setObjectName(u"editorController"_s);

    connect(&records, &EntryListBox::entrySelected, this, [this](int row) { m_rememberedRecord.remember(row); });
    connect(&records, &EntryListBox::keyTyped, this, &EditorController::recordKeyTyped);
    connect(&records, &EntryListBox::keyReleased, this, &EditorController::recordListEdited);
    connect(&records, &EntryListBox::editTextChanged, this, &EditorController::recordListEdited);
    connect(&records, &EntryListBox::entryDropped, this, &EditorController::dropEntry);
    connect(&records, &EntryListBox::buttonDropped, this, &EditorController::buttonDropped);

    connect(&vocabulary, &EntryComboBox::entrySelected, this,
            [this](int row) { m_rememberedVocabulary.remember(row); });
    connect(&vocabulary, &EntryComboBox::keyTyped, this, &EditorController::vocabularyKeyTyped);
    keepPositions();
}

void EditorController::keepPositions()
{
    m_histories.records->keepPosition(
        [this] {
            return EditHistory::Position{m_records.currentRow(), m_rememberedRecord.row(), m_records.text()};
        },
        [this](const EditHistory::Position &position) {
            if (position.selectedRow >= 0)
                m_records.selectRow(position.selectedRow);
            else
                m_records.clearSelection();
            m_rememberedRecord.remember(position.rememberedRow);
            m_records.setText(position.editText);
        });
    m_histories.vocabulary->keepPosition(
        [this] {
            return EditHistory::Position{m_vocabulary.currentRow(), m_rememberedVocabulary.row(), m_vocabulary.text()};
        },
        [this](const EditHistory::Position &position) {
            m_vocabulary.setCurrentIndex(position.selectedRow);
            m_rememberedVocabulary.remember(position.rememberedRow);
            m_vocabulary.setText(position.editText);
        });
}

void EditorController::recordKeyTyped(QChar character)
{
    if (character != Return) {
        m_state.recordListModified = true;
        return;
    }
    m_histories.records->step([this] {
        const auto outcome = ReturnLogic::apply(m_state.recordList, m_rememberedRecord.row(), m_records.text());
        m_rememberedRecord.forget();
        if (outcome.action == ReturnLogic::Action::Added) {
            // The edit field empties, so a move must not carry that empty
            // text over an entry still highlighted from an earlier click.
            m_records.clearSelection();
        }
        m_records.setText(outcome.editText);
        m_state.recordListModified = true;
        return stepName(outcome.action);
    });
}

void EditorController::vocabularyKeyTyped(QChar character)
{
    if (character != Return) {
        m_state.vocabularyModified = true;
        return;
    }
    m_histories.vocabulary->step([this] {
        const auto outcome = ReturnLogic::apply(m_state.vocabulary, m_rememberedVocabulary.row(), m_vocabulary.text());
        m_rememberedVocabulary.forget();
        m_vocabulary.setText(outcome.editText);
        m_state.vocabularyModified = true;
        return stepName(outcome.action);
    });
}

void EditorController::moveEntry(int step)
{
    m_histories.records->step([this, step] {
        const auto outcome = RecordMover::move(m_state.recordList, m_records.currentRow(), step, m_records.text());
        switch (outcome.result) {
        case RecordMover::Result::NoSelection: m_dialogs.refuse(u"Bitte erst einen Eintrag selektieren!"_s); break;
        case RecordMover::Result::Refused: break;
        case RecordMover::Result::Moved:
            // A selection like the user's own: the entry is remembered and its
            // text stands in the edit field.
            m_records.selectRow(outcome.row);
            m_state.recordListModified = true;
            break;
        }
        return u"Eintrag verschieben"_s;
    });
}

void EditorController::dropEntry(int row, int before)
{
    // Taken out, the entry leaves a gap that the places below close up.
    const int count = m_state.recordList.count();
    const int target = before > row ? before - 1 : before;
    if (row < 0 || row >= count || before < 0 || before > count || target == row)
        return;
    // The press that began the drag selected the entry, as a click does.
    if (m_records.currentRow() != row)
        m_records.selectRow(row);
    moveEntry(target - row);
}
