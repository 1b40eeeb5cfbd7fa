#include "editor/EditorController.h"

#include "dialogs/UserDialogs.h"
#include "editor/EntryComboBox.h"
#include "editor/EntryListBox.h"
#include "editor/RecordMover.h"
#include "editor/ReturnLogic.h"
#include "model/ProgramState.h"

using namespace Qt::StringLiterals;

namespace {

constexpr QChar Return = u'\r';

} // namespace

EditorController::EditorController(ProgramState &state, UserDialogs &dialogs, EntryListBox &records,
                                   EntryComboBox &vocabulary, QObject *parent)
    : QObject(parent)
    , m_state(state)
    , m_dialogs(dialogs)
    , m_records(records)
    , m_vocabulary(vocabulary)
    , m_rememberedRecord(m_state.recordList)
    , m_rememberedVocabulary(m_state.vocabulary)
{
    setObjectName(u"editorController"_s);

    connect(&records, &EntryListBox::entrySelected, this, [this](int row) { m_rememberedRecord.remember(row); });
    connect(&records, &EntryListBox::keyTyped, this, &EditorController::recordKeyTyped);
    connect(&records, &EntryListBox::keyReleased, this, &EditorController::recordListEdited);
    connect(&records, &EntryListBox::editTextChanged, this, &EditorController::recordListEdited);

    connect(&vocabulary, &EntryComboBox::entrySelected, this,
            [this](int row) { m_rememberedVocabulary.remember(row); });
    connect(&vocabulary, &EntryComboBox::keyTyped, this, &EditorController::vocabularyKeyTyped);
}

void EditorController::recordKeyTyped(QChar character)
{
    if (character == Return) {
        const auto outcome = ReturnLogic::apply(m_state.recordList, m_rememberedRecord.row(), m_records.text());
        m_rememberedRecord.forget();
        if (outcome.action == ReturnLogic::Action::Added) {
            // The edit field empties, so a move must not carry that empty
            // text over an entry still highlighted from an earlier click.
            m_records.clearSelection();
        }
        m_records.setText(outcome.editText);
    }
    m_state.recordListModified = true;
}

void EditorController::vocabularyKeyTyped(QChar character)
{
    if (character == Return) {
        const auto outcome = ReturnLogic::apply(m_state.vocabulary, m_rememberedVocabulary.row(), m_vocabulary.text());
        m_rememberedVocabulary.forget();
        m_vocabulary.setText(outcome.editText);
    }
    m_state.vocabularyModified = true;
}

void EditorController::moveEntry(int step)
{
    const auto outcome = RecordMover::move(m_state.recordList, m_records.currentRow(), step, m_records.text());
    switch (outcome.result) {
    case RecordMover::Result::NoSelection: m_dialogs.refuse(u"Bitte erst einen Eintrag selektieren!"_s); return;
    case RecordMover::Result::Refused: return;
    case RecordMover::Result::Moved:
        // A selection like the user's own: the entry is remembered and its
        // text stands in the edit field.
        m_records.selectRow(outcome.row);
        m_state.recordListModified = true;
        return;
    }
}
