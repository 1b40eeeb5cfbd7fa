#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;

// frmQDText: shows the manual or the history. The text field keeps the size
// of the hidden image control whatever size the window is given, so a larger
// window only adds empty face around it.
class TextWindow : public QWidget
{
    Q_OBJECT

public:
    explicit TextWindow(QWidget *parent = nullptr);

    // Replaces caption and the whole text, dropping whatever was typed in.
    void showText(const QString &caption, const QString &text);

    QPlainTextEdit *textField() const { return m_textField; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void layOutText();

    QPlainTextEdit *m_textField = nullptr;
    QLabel *m_sizeImage = nullptr;
};
