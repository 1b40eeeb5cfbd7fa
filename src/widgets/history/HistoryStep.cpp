#include "history/HistoryStep.h"

#include "model/EntryListModel.h"

HistoryStep::HistoryStep(EditHistory &history, EntryJournal journal, EditHistory::Surroundings before,
                         EditHistory::Surroundings after, const QString &name)
    : QUndoCommand(name)
    , m_history(history)
    , m_journal(std::move(journal))
    , m_before(std::move(before))
    , m_after(std::move(after))
{
}

void HistoryStep::undo()
{
    m_history.m_busy = true;
    m_journal.undo(m_history.m_list);
    m_history.m_busy = false;
    m_history.restore(m_before, m_after);
    m_done = false;
}

void HistoryStep::redo()
{
    if (m_done)
        return;
    m_history.m_busy = true;
    m_journal.redo(m_history.m_list);
    m_history.m_busy = false;
    m_history.restore(m_after, m_before);
    m_done = true;
}
