#pragma once

#include "editor/RememberedEntry.h"

#include <QObject>

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
    EditorController(ProgramState &state, UserDialogs &dialogs, EntryListBox &records, EntryComboBox &vocabulary,
                     QObject *parent);

    void moveEntry(int step);

signals:
    // The record list's edit field took a key or a new text: whatever was
    // drawn from the records as they were is out of date.
    void recordListEdited();

private:
    void recordKeyTyped(QChar character);
    void vocabularyKeyTyped(QChar character);
    ProgramState &m_state;
    UserDialogs &m_dialogs;
    EntryListBox &m_records;
    EntryComboBox &m_vocabulary;
    RememberedEntry m_rememberedRecord;
    RememberedEntry m_rememberedVocabulary;
};
