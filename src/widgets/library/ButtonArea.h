#pragma once

#include <QWidget>

class ButtonField;
class ClickableImage;
class QLabel;

// Picture1, the field of button pictures: the two hidden templates
// (imgQDMenu_0, lblQDMenu_0) and the members made from them.
class ButtonArea : public QWidget
{
    Q_OBJECT

public:
    explicit ButtonArea(QWidget *parent = nullptr);

    ButtonField &field() const { return *m_field; }

private:
    ClickableImage *m_templateImage;
    QLabel *m_templateLabel;
    ButtonField *m_field;
};
