#pragma once

#include <QObject>
#include <QPointer>

class CheckWindow;
struct ProgramState;

// "Menü &prüfen": checks the record list against the loaded button files
// and the vocabulary and keeps the window "Menü prüfen" up to date while it
// is open.
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

private:
    void refresh();

    ProgramState &m_state;
    // A top-level window without an owner; it deletes itself when closed.
    QPointer<CheckWindow> m_window;
};
