#pragma once

#include <QObject>

class MainWindow;

// The six builder buttons of the frame "Steuerung": one click handler that
// is told the button's index, as the buttons form one array.
class BuilderController : public QObject
{
    Q_OBJECT

public:
    explicit BuilderController(MainWindow &window);

    void click(int index);

private:
    void clearMenu();
    void appendPageHeader();
    void appendFirstPageItem();
    void startOrNextBatch();
    void showPreview();

    MainWindow &m_window;
};
