#include "help/TextWindow.h"

#include "common/Fonts.h"
#include "common/ProgramPictures.h"
#include "common/Twips.h"
#include "common/WindowPlacement.h"

#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>

using namespace Qt::StringLiterals;

TextWindow::TextWindow(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"frmQDText"_s);
    setWindowTitle(u"QD5 Tastwerk Anleitung"_s);
    setWindowIcon(ProgramPictures::icon());

    // Carries the text field's size and shows nothing itself.
    m_sizeImage = new QLabel(this);
    m_sizeImage->setObjectName(u"imgQDText"_s);
    m_sizeImage->setGeometry(Twips::rect(0, 0, 5535, 3015));
    m_sizeImage->hide();

    m_textField = new QPlainTextEdit(this);
    m_textField->setObjectName(u"txtQD"_s);
    m_textField->setFont(Fonts::tahoma());
    m_textField->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_textField->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_textField->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusProxy(m_textField);

    resize(Twips::size(5550, 3030));
    if (const QScreen *screen = this->screen())
        move(WindowPlacement::centredOnScreen(size(), screen->availableGeometry()).topLeft());
}

void TextWindow::showText(const QString &caption, const QString &text)
{
    setWindowTitle(caption);
    m_textField->setPlainText(text);
    m_textField->setFocus();
}

void TextWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (!isMinimized())
        layOutText();
}

void TextWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // A restore does not always come with a resize.
    if (event->type() == QEvent::WindowStateChange && !isMinimized())
        layOutText();
}

void TextWindow::layOutText()
{
    m_textField->setGeometry(QRect(QPoint(0, 0), m_sizeImage->size()));
}
