#include "editor/EditorController.h"

#include "editor/RecordMover.h"
#include "editor/ReturnLogic.h"
#include "preview/PreviewController.h"
#include "shell/EntryComboBox.h"
#include "shell/EntryListBox.h"
#include "shell/MainWindow.h"
#include "shell/UserDialogs.h"

using namespace Qt::StringLiterals;

namespace {

constexpr QChar Return = u'\r';

} // namespace

EditorController::EditorController(MainWindow &window)
    : QObject(&window)
    , m_window(window)
    , m_rememberedRecord(window.state().recordList)
    , m_rememberedVocabulary(window.state().vocabulary)
{
    setObjectName(u"editorController"_s);

    EntryListBox *records = window.recordListBox();
    connect(records, &EntryListBox::entrySelected, this, [this](int row) { m_rememberedRecord.remember(row); });
    connect(records, &EntryListBox::keyTyped, this, &EditorController::recordKeyTyped);
    connect(records, &EntryListBox::keyReleased, this, &EditorController::recordListEdited);
    connect(records, &EntryListBox::editTextChanged, this, &EditorController::recordListEdited);

    EntryComboBox *vocabulary = window.vocabularyBox();
    connect(vocabulary, &EntryComboBox::entrySelected, this, [this](int row) { m_rememberedVocabulary.remember(row); });
    connect(vocabulary, &EntryComboBox::keyTyped, this, &EditorController::vocabularyKeyTyped);
}

void EditorController::recordKeyTyped(QChar character)
{
    ProgramState &state = m_window.state();
    if (character == Return) {
        EntryListBox *box = m_window.recordListBox();
        const auto outcome = ReturnLogic::apply(state.recordList, m_rememberedRecord.row(), box->text());
        m_rememberedRecord.forget();
        if (outcome.action == ReturnLogic::Action::Added) {
            // The edit field empties, so a move must not carry that empty
            // text over an entry still highlighted from an earlier click.
            box->clearSelection();
        }
        box->setText(outcome.editText);
    }
    state.recordListModified = true;
}

void EditorController::vocabularyKeyTyped(QChar character)
{
    ProgramState &state = m_window.state();
    if (character == Return) {
        EntryComboBox *box = m_window.vocabularyBox();
        const auto outcome = ReturnLogic::apply(state.vocabulary, m_rememberedVocabulary.row(), box->text());
        m_rememberedVocabulary.forget();
        box->setText(outcome.editText);
    }
    state.vocabularyModified = true;
}

void EditorController::recordListEdited()
{
    m_window.preview()->closePreview();
}

void EditorController::moveEntry(int step)
{
    ProgramState &state = m_window.state();
    EntryListBox *box = m_window.recordListBox();
    const auto outcome = RecordMover::move(state.recordList, box->currentRow(), step, box->text());
    switch (outcome.result) {
    case RecordMover::Result::NoSelection:
        m_window.dialogs().refuse(u"Bitte erst einen Eintrag selektieren!"_s);
        return;
    case RecordMover::Result::Refused: return;
    case RecordMover::Result::Moved:
        // A selection like the user's own: the entry is remembered and its
        // text stands in the edit field.
        box->selectRow(outcome.row);
        state.recordListModified = true;
        return;
    }
}
