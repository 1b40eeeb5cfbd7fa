#pragma once

#include <QObject>
#include <QPointer>

class CheckWindow;
class QThread;
struct ProgramState;

// "Menü &prüfen": checks the record list against the loaded button files
// and the vocabulary and keeps the window "Menü prüfen" up to date while it
// is open. A check of a million records takes seconds, so the window
// follows the lists from a worker thread, and a click is never held up by
// it; the check asked for by "Menü &prüfen" itself runs at once.
class CheckController : public QObject
{
    Q_OBJECT

public:
    CheckController(ProgramState &state, QObject *parent);
    ~CheckController() override;

    void showCheck();
    void closeCheck();

    // The open window, null while closed.
    CheckWindow *checkWindow() const;

signals:
    // A double-click on a finding: the record (0-based) to select.
    void recordChosen(int row);
    // The window shows the findings of the lists as they are now.
    void findingsCurrent();

private:
    void followChange();
    void checkInBackground();

    ProgramState &m_state;
    // A top-level window without an owner; it deletes itself when closed.
    QPointer<CheckWindow> m_window;
    // Counts the changes of the lists; a worker's findings are shown only
    // when none came after it started, else it starts over.
    quint64 m_changes = 0;
    QThread *m_worker = nullptr;
};
