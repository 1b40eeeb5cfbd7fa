#include "history/HistoryController.h"

#include "history/EditHistory.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

QString withStep(const QString &command, const QString &step)
{
    if (step.isEmpty())
        return command;
    // A command name may hold an "&", which must not become an access key.
    return command + u": "_s + QString(step).replace(u'&', u"&&"_s);
}

} // namespace

HistoryController::HistoryController(const Parts &parts, QObject *parent)
    : QObject(parent)
    , m_parts(parts)
{
    setObjectName(u"historyController"_s);
    m_parts.undoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_parts.redoAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(m_parts.undoAction, &QAction::triggered, this, &HistoryController::undo);
    connect(m_parts.redoAction, &QAction::triggered, this, &HistoryController::redo);
    // What the two commands show moves only with a stack's index; that a
    // stack becomes clean or not changes none of it.
    for (EditHistory *history : {m_parts.records, m_parts.vocabulary})
        connect(&history->stack(), &QUndoStack::indexChanged, this, &HistoryController::refresh);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { followFocus(now); });
    // An edit field takes these keys for its own typing; here they belong
    // to the list.
    for (QWidget *field : m_parts.controls->findChildren<QLineEdit *>())
        field->installEventFilter(this);
    for (QWidget *field : m_parts.controls->findChildren<QComboBox *>())
        field->installEventFilter(this);
    refresh();
}

EditHistory &HistoryController::activeHistory() const
{
    return m_vocabularyActive ? *m_parts.vocabulary : *m_parts.records;
}

void HistoryController::undo()
{
    // A box waiting for an answer holds everything else still.
    if (QApplication::activeModalWidget())
        return;
    activeHistory().undo();
}

void HistoryController::redo()
{
    if (QApplication::activeModalWidget())
        return;
    activeHistory().redo();
}

bool HistoryController::eventFilter(QObject *watched, QEvent *event)
{
    // Left unaccepted, the key goes on to the menu's shortcut; when that is
    // greyed out the key reaches the field, which must not take it either.
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        const QKeySequence pressed(static_cast<QKeyEvent *>(event)->keyCombination());
        const QList<QKeySequence> ours = m_parts.undoAction->shortcuts() + m_parts.redoAction->shortcuts();
        if (ours.contains(pressed))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

void HistoryController::followFocus(QWidget *now)
{
    // Focus that leaves the controls, for the menu bar (Alt+E), a menu or
    // a box, changes nothing: the menu must name the step of the list the
    // user was typing in.
    if (!now || !m_parts.controls->isAncestorOf(now))
        return;
    const bool vocabulary = now == m_parts.vocabularyBox || m_parts.vocabularyBox->isAncestorOf(now);
    if (vocabulary == m_vocabularyActive)
        return;
    m_vocabularyActive = vocabulary;
    refresh();
}

void HistoryController::refresh()
{
    QUndoStack &stack = activeHistory().stack();
    m_parts.undoAction->setEnabled(stack.canUndo());
    m_parts.undoAction->setText(withStep(u"&Rückgängig"_s, stack.undoText()));
    m_parts.redoAction->setEnabled(stack.canRedo());
    m_parts.redoAction->setText(withStep(u"&Wiederherstellen"_s, stack.redoText()));
}
