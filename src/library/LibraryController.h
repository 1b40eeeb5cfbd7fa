#pragma once

#include <QObject>

class MainWindow;

// The button library: choosing the folder, the file list, the button field
// and its paging, and a click on a button.
class LibraryController : public QObject
{
    Q_OBJECT

public:
    explicit LibraryController(MainWindow &window);

    // "&Start/Weiter" once buttons are loaded: shows the next batch.
    void showNextBatch();
    // Removes the created button images and labels; the templates stay.
    void releaseButtonField();
    void closeFileList();

private:
    MainWindow &m_window;
};
