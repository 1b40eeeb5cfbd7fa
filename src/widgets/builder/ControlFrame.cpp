#include "builder/ControlFrame.h"

#include "common/ButtonFace.h"
#include "common/Fonts.h"
#include "common/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <limits>

using namespace Qt::StringLiterals;

ControlFrame::ControlFrame(QWidget *parent)
    : QGroupBox(u"Steuerung"_s, parent)
{
    setObjectName(u"Frame2"_s);

    struct Entry
    {
        Builder builder;
        QString caption;
        QString tooltip;
        int top;
    };
    const Entry entries[] = {
        {Builder::NextBatch, u"&Start/Weiter"_s, u"Buttons Blättern"_s, 240},
        {Builder::ShowMenu, u"&Menü Zeigen"_s, {}, 840},
        {Builder::ClearMenu, u"&Menü Löschen"_s, {}, 1680},
        {Builder::BlockLine, u"1. &Zeile Menü"_s, u"Allererste Zeile"_s, 3600},
        {Builder::PageHeader, u"Titel &Menü"_s, u"Titel jeder Seite"_s, 4200},
        {Builder::FirstPageItem, u"&Pfeil zu 1. Seite"_s, u"Am Ende des Menüs"_s, 5520},
    };
    for (const Entry &entry : entries) {
        auto *button = new QPushButton(entry.caption, this);
        button->setObjectName(u"cmdQDButton_%1"_s.arg(int(entry.builder)));
        button->setGeometry(Twips::rect(120, entry.top, 1695, 495));
        button->setToolTip(entry.tooltip);
        button->setFont(Fonts::system());
        m_buttons[entry.builder] = button;
    }
    ButtonFace::paint(button(Builder::NextBatch), ButtonFace::Green);

    auto *titleLabel = new QLabel(u"Menü-Titel"_s, this);
    titleLabel->setObjectName(u"Label1"_s);
    titleLabel->setGeometry(Twips::rect(120, 4800, 1215, 255));
    titleLabel->setAlignment(Qt::AlignCenter);
    auto *pageLabel = new QLabel(u"Seite"_s, this);
    pageLabel->setObjectName(u"Label2"_s);
    pageLabel->setGeometry(Twips::rect(1320, 4800, 495, 255));
    pageLabel->setAlignment(Qt::AlignCenter);

    m_titleField = new QLineEdit(this);
    m_titleField->setObjectName(u"txtTitel_1"_s);
    m_titleField->setGeometry(Twips::rect(120, 5040, 1215, 375));
    m_titleField->setToolTip(u"Titel jeder Seite"_s);
    // The title goes into a record; pasted text is cut no sooner than the
    // lists' edit fields cut an entry.
    m_titleField->setMaxLength(std::numeric_limits<int>::max());

    m_pageField = new QLineEdit(u"1"_s, this);
    m_pageField->setObjectName(u"txtTitel_0"_s);
    m_pageField->setGeometry(Twips::rect(1320, 5040, 495, 375));
    m_pageField->setAlignment(Qt::AlignCenter);
    m_pageField->setFont(Fonts::msSansSerif());
    m_pageField->setToolTip(u"Seite"_s);
}

QList<QWidget *> ControlFrame::focusOrder() const
{
    return {button(Builder::NextBatch),
            button(Builder::ShowMenu),
            button(Builder::ClearMenu),
            button(Builder::BlockLine),
            button(Builder::PageHeader),
            m_titleField,
            m_pageField,
            button(Builder::FirstPageItem)};
}
