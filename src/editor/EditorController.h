#pragma once

#include "editor/RememberedEntry.h"

#include <QObject>

class EntryListModel;
class MainWindow;

// Hand editing of both lists (Return adds, changes or deletes) and the
// moving of records.
class EditorController : public QObject
{
    Q_OBJECT

public:
    explicit EditorController(MainWindow &window);

    void moveEntry(int step);

private:
    void recordKeyTyped(QChar character);
    void vocabularyKeyTyped(QChar character);
    // The record list's edit field took a key or a new text: a preview drawn
    // from the records as they were is closed.
    void recordListEdited();

    MainWindow &m_window;
    RememberedEntry m_rememberedRecord;
    RememberedEntry m_rememberedVocabulary;
};
