#include "check/CheckController.h"

#include "check/CheckWindow.h"
#include "check/MenuCheck.h"
#include "model/AnyChange.h"
#include "model/ProgramState.h"

#include <QThread>

#include <memory>

using namespace Qt::StringLiterals;

CheckController::CheckController(ProgramState &state, QObject *parent)
    : QObject(parent)
    , m_state(state)
{
    setObjectName(u"checkController"_s);
    connectAnyChange(m_state.recordList, this, &CheckController::followChange);
    connectAnyChange(m_state.buttonFiles, this, &CheckController::followChange);
    connectAnyChange(m_state.vocabulary, this, &CheckController::followChange);
}

CheckController::~CheckController()
{
    // It has no owner to take it along when the main window goes without
    // closing it first.
    delete m_window.data();
    if (m_worker) {
        m_worker->wait();
        delete m_worker;
    }
}

void CheckController::showCheck()
{
    if (!checkWindow()) {
        m_window = new CheckWindow;
        m_window->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_window, &CheckWindow::recordChosen, this, &CheckController::recordChosen);
    }
    m_window->showFindings(
        MenuCheck::run(m_state.recordList.entries(), m_state.buttonFiles.entries(), m_state.vocabulary.entries()));
    emit findingsCurrent();
    if (m_window->isMinimized())
        m_window->setWindowState(m_window->windowState() & ~Qt::WindowMinimized);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void CheckController::closeCheck()
{
    if (CheckWindow *window = checkWindow())
        window->close();
}

CheckWindow *CheckController::checkWindow() const
{
    // A window that was closed is only waiting to be deleted.
    return m_window && m_window->isVisible() ? m_window.data() : nullptr;
}

void CheckController::followChange()
{
    ++m_changes;
    if (checkWindow() && !m_worker)
        checkInBackground();
}

void CheckController::checkInBackground()
{
    // The worker reads copies; the lists share their entries with them
    // until the next change.
    auto findings = std::make_shared<QList<CheckFinding>>();
    m_worker = QThread::create(
        [findings, records = m_state.recordList.entries(), buttons = m_state.buttonFiles.entries(),
         vocabulary = m_state.vocabulary.entries()] { *findings = MenuCheck::run(records, buttons, vocabulary); });
    connect(m_worker, &QThread::finished, this, [this, findings, startedAt = m_changes] {
        // "finished" comes a moment before the thread has quite ended.
        m_worker->wait();
        delete m_worker;
        m_worker = nullptr;
        CheckWindow *window = checkWindow();
        if (!window)
            return;
        if (startedAt != m_changes) {
            checkInBackground();
            return;
        }
        window->showFindings(std::move(*findings));
        emit findingsCurrent();
    });
    m_worker->start();
}
