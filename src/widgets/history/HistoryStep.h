#pragma once

#include "history/EditHistory.h"
#include "model/EntryJournal.h"

#include <QUndoCommand>

// One step of an EditHistory: what it did to the entries and what stood
// around the list before and after it.
class HistoryStep : public QUndoCommand
{
public:
    HistoryStep(EditHistory &history, EntryJournal journal, EditHistory::Surroundings before,
                EditHistory::Surroundings after, const QString &name);

    void undo() override;
    void redo() override;

private:
    EditHistory &m_history;
    EntryJournal m_journal;
    EditHistory::Surroundings m_before;
    EditHistory::Surroundings m_after;
    // Pushing a step asks it to do what was just done.
    bool m_done = true;
};
