#pragma once

#include <QObject>

class EditHistory;
class QAction;
class QWidget;

// "&Rückgängig" and "&Wiederherstellen" of the menu "B&earbeiten": they act
// on the history of the list that has the focus, the record list's unless
// the vocabulary has it, and name the step they would take.
class HistoryController : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        EditHistory *records;
        EditHistory *vocabulary;
        QWidget *vocabularyBox;
        QWidget *controls; // every field whose own undo keys give way to the lists'
        QAction *undoAction;
        QAction *redoAction;
    };

    HistoryController(const Parts &parts, QObject *parent);

    EditHistory &activeHistory() const;
    void undo();
    void redo();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void followFocus(QWidget *now);
    void refresh();

    Parts m_parts;
    bool m_vocabularyActive = false;
};
