#include "history/EditHistory.h"

#include "history/HistoryStep.h"
#include "model/EntryListModel.h"

#include <QLineEdit>

#include <utility>

using namespace Qt::StringLiterals;

EditHistory::EditHistory(EntryListModel &list, bool &modified, QObject *parent)
    : QObject(parent)
    , m_list(list)
    , m_modified(modified)
{
    for (const auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(&list, signal, this, &EditHistory::changedPastHistory);
    connect(&list, &QAbstractItemModel::dataChanged, this, &EditHistory::changedPastHistory);
    connect(&list, &QAbstractItemModel::modelReset, this, &EditHistory::changedPastHistory);
    connect(&m_stack, &QUndoStack::indexChanged, this, [this] {
        if (!m_busy && m_stack.isClean())
            m_modified = false;
    });
}

EditHistory::~EditHistory()
{
    // The steps refer to this history, so they go first; quietly, since
    // whoever listens to the stack may be gone already.
    m_stack.blockSignals(true);
    m_stack.clear();
}

void EditHistory::keepPosition(std::function<Position()> capture, std::function<void(const Position &)> restore)
{
    m_capturePosition = std::move(capture);
    m_restorePosition = std::move(restore);
}

void EditHistory::watchField(QLineEdit *field)
{
    m_fields.push_back(field);
}

void EditHistory::step(const std::function<QString()> &change)
{
    if (m_busy) {
        // Part of a step already running.
        change();
        return;
    }
    Surroundings before = surroundings();
    m_busy = true;
    m_list.setJournal(&m_journal);
    const QString name = change();
    m_list.setJournal(nullptr);
    m_busy = false;
    EntryJournal journal = std::exchange(m_journal, {});
    if (journal.isEmpty())
        return;
    m_stack.push(new HistoryStep(*this, std::move(journal), std::move(before), surroundings(), name));
}

void EditHistory::undo()
{
    m_stack.undo();
}

void EditHistory::redo()
{
    m_stack.redo();
}

void EditHistory::replaceWithFile(QStringList entries)
{
    step([&] {
        m_list.setEntries(std::move(entries));
        return u"Menü öffnen"_s;
    });
    m_stack.setClean();
}

EditHistory::Surroundings EditHistory::surroundings() const
{
    Surroundings now;
    if (m_capturePosition)
        now.position = m_capturePosition();
    for (const QLineEdit *field : m_fields)
        now.fieldTexts << field->text();
    now.modified = m_modified;
    return now;
}

void EditHistory::restore(const Surroundings &to, const Surroundings &from)
{
    if (m_restorePosition)
        m_restorePosition(to.position);
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        const auto index = qsizetype(i);
        if (to.fieldTexts.at(index) != from.fieldTexts.at(index))
            m_fields[i]->setText(to.fieldTexts.at(index));
    }
    // Back at the state last saved or opened, the list is unchanged again;
    // the stack tells so once it has moved, and the flag follows it there.
    m_modified = to.modified;
}

void EditHistory::changedPastHistory()
{
    if (m_busy)
        return;
    m_busy = true;
    m_stack.clear();
    m_stack.resetClean();
    m_busy = false;
}
