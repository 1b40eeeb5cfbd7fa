#include "library/ButtonArea.h"

#include "common/ButtonPicture.h"
#include "common/ClickableImage.h"
#include "common/Fonts.h"
#include "common/Twips.h"
#include "library/ButtonField.h"

#include <QLabel>

using namespace Qt::StringLiterals;

ButtonArea::ButtonArea(QWidget *parent)
    : QWidget(parent)
    , m_templateImage(new ClickableImage(this))
    , m_templateLabel(new QLabel(this))
{
    setObjectName(u"Picture1"_s);
    setToolTip(u"Button-Feld"_s);
    setFocusPolicy(Qt::TabFocus);

    m_templateImage->setObjectName(u"imgQDMenu_0"_s);
    m_templateImage->setGeometry(Twips::rect(0, 0, 1200, 750));
    m_templateImage->setPixmap(ButtonPicture::templatePicture());
    m_templateImage->setToolTip(u"Version anzeigen"_s);
    m_templateImage->hide();

    m_templateLabel->setObjectName(u"lblQDMenu_0"_s);
    m_templateLabel->setGeometry(Twips::rect(0, 720, 1200, 450));
    m_templateLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_templateLabel->setWordWrap(true);
    // Captions come from the vocabulary file: markup in them is text.
    m_templateLabel->setTextFormat(Qt::PlainText);
    m_templateLabel->setFont(Fonts::sansLight());
    m_templateLabel->setText(u"Test Test Test Test Test Test"_s);
    m_templateLabel->hide();

    m_field = new ButtonField(m_templateImage, m_templateLabel, this);
}
