#pragma once

#include "editor/RememberedEntry.h"

#include <QObject>

class EditHistory;
class EntryComboBox;
class EntryListBox;
class UserDialogs;
struct ProgramState;

// Hand editing of both lists (Return adds, changes or deletes) and the
// moving of records.
class EditorController : public QObject
{
    Q_OBJECT

public:
    struct Histories
    {
        EditHistory *records;
        EditHistory *vocabulary;
    };

    EditorController(ProgramState &state, UserDialogs &dialogs, EntryListBox &records, EntryComboBox &vocabulary,
                     Histories histories, QObject *parent);

    void moveEntry(int step);
    // The entries the next Return in each list acts on, -1 when none.
    int rememberedRecord() const { return m_rememberedRecord.row(); }
    int rememberedVocabularyEntry() const { return m_rememberedVocabulary.row(); }
    // A record dragged from `row` and dropped before the entry `before`
    // (the count of entries: at the end).
    void dropEntry(int row, int before);

signals:
    // The record list's edit field took a key or a new text: whatever was
    // drawn from the records as they were is out of date.
    void recordListEdited();
    // A button picture dropped before the record `before`.
    void buttonDropped(const QString &command, int before);

private:
    void recordKeyTyped(QChar character);
    void vocabularyKeyTyped(QChar character);
    void keepPositions();
    ProgramState &m_state;
    UserDialogs &m_dialogs;
    EntryListBox &m_records;
    EntryComboBox &m_vocabulary;
    Histories m_histories;
    RememberedEntry m_rememberedRecord;
    RememberedEntry m_rememberedVocabulary;
};
