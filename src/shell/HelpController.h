#pragma once

#include <QObject>

class MainWindow;

// "&Anleitung", "&Historie" and "&Info": the text window and the
// information window.
class HelpController : public QObject
{
    Q_OBJECT

public:
    explicit HelpController(MainWindow &window);

    void showManual();
    void showHistory();
    void showInfo();
    void closeText();
    void closeInfo();

private:
    MainWindow &m_window;
};
