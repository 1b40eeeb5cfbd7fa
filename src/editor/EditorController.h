#pragma once

#include <QObject>

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
    MainWindow &m_window;
};
