#pragma once

#include <QWidget>

// frmQDInfo: name, version, icon and purpose of the program, and two contact
// buttons. There is no contact address to offer, so the buttons start nothing.
class InfoWindow : public QWidget
{
    Q_OBJECT

public:
    explicit InfoWindow(QWidget *parent = nullptr);
};
