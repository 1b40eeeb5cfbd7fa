#pragma once

#include "builder/Builder.h"

#include <QGroupBox>

#include <map>

class QLineEdit;
class QPushButton;

// Frame2 "Steuerung": the six builder buttons, the title field and the
// page-number field with their labels.
class ControlFrame : public QGroupBox
{
    Q_OBJECT

public:
    explicit ControlFrame(QWidget *parent = nullptr);

    QPushButton *button(Builder builder) const { return m_buttons.at(builder); }
    QLineEdit *titleField() const { return m_titleField; }
    QLineEdit *pageField() const { return m_pageField; }

    // The controls a person tabs through, top to bottom.
    QList<QWidget *> focusOrder() const;

private:
    std::map<Builder, QPushButton *> m_buttons;
    QLineEdit *m_titleField = nullptr;
    QLineEdit *m_pageField = nullptr;
};
