#pragma once

#include "files/MenuChanges.h"
#include "model/EntryJournal.h"

#include <QObject>
#include <QStringList>
#include <QUndoStack>

#include <functional>
#include <vector>

class EntryListModel;
class QLineEdit;

// The history of one of the two lists: every change made through step() is
// one step on Qt's undo stack, which takes back and makes again the list,
// where the user stood in it, the changed flag and the fields a step
// changed. A list undone back to the state it was saved or opened in is
// unchanged: its flag is cleared, and as the record list's MenuChanges it
// no longer differs from its file. A change made past the history cannot be
// taken back in order, so it ends the history and counts as a change.
class EditHistory : public QObject, public MenuChanges
{
    Q_OBJECT

public:
    // Where the user stands in the list.
    struct Position
    {
        int selectedRow = -1;
        int rememberedRow = -1;
        QString editText;
    };

    EditHistory(EntryListModel &list, bool &modified, QObject *parent);
    ~EditHistory() override;

    QUndoStack &stack() { return m_stack; }

    // The list's widget tells where the user stands and puts them back there.
    void keepPosition(std::function<Position()> capture, std::function<void(const Position &)> restore);
    // A step that changes the text of `field` takes it back and makes it again.
    void watchField(QLineEdit *field);

    // Runs `change`, which returns the step's name, as one step. A change
    // that leaves the list as it was is no step.
    void step(const std::function<QString()> &change);
    void undo();
    void redo();

    bool differs() const override { return !m_stack.isClean(); }
    void markSaved() override { m_stack.setClean(); }
    void replaceWithFile(QStringList entries) override;

private:
    friend class HistoryStep;

    // Everything a step takes back besides the entries.
    struct Surroundings
    {
        Position position;
        QStringList fieldTexts;
        bool modified = false;
    };

    Surroundings surroundings() const;
    void restore(const Surroundings &to, const Surroundings &from);
    void changedPastHistory();

    EntryListModel &m_list;
    bool &m_modified;
    QUndoStack m_stack;
    std::function<Position()> m_capturePosition;
    std::function<void(const Position &)> m_restorePosition;
    std::vector<QLineEdit *> m_fields;
    EntryJournal m_journal; // of the step being made
    bool m_busy = false;
};
