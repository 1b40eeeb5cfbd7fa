#include "help/InfoWindow.h"

#include "common/Fonts.h"
#include "common/ProgramPictures.h"
#include "common/Twips.h"
#include "common/WindowPlacement.h"
#include "help/ProgramInfo.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace {

QGroupBox *frame(int index, int top, int height, QWidget *window)
{
    auto *group = new QGroupBox(window);
    group->setObjectName(u"fraInfo_%1"_s.arg(index));
    group->setGeometry(Twips::rect(0, top, 3735, height));
    return group;
}

// A multi-line field that reads like part of the window: face colour, no
// border, no editing, no scroll bars. The description needs all of its
// height for its two lines.
QPlainTextEdit *faceField(const QString &name, const QRect &geometry, QWidget *parent)
{
    auto *field = new QPlainTextEdit(parent);
    field->setObjectName(name);
    field->setGeometry(geometry);
    field->setReadOnly(true);
    field->setFrameShape(QFrame::NoFrame);
    field->document()->setDocumentMargin(1);
    field->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    field->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    field->setPalette(palette);
    return field;
}

} // namespace

InfoWindow::InfoWindow(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"frmQDInfo"_s);
    setWindowTitle(u"QD5 Tastwerk Info"_s);
    setWindowIcon(ProgramPictures::icon());
    setFixedSize(Twips::size(3750, 5805));
    // The window's own small face font, in which the description fits its
    // field and the button captions their buttons.
    QFont face = Fonts::msSansSerif();
    face.setPointSizeF(8.25);
    setFont(face);

    QGroupBox *titleGroup = frame(0, 0, 1215, this);
    auto *title = new QLabel(ProgramInfo::titleWithVersion(), titleGroup);
    title->setObjectName(u"lblInfo_0"_s);
    title->setGeometry(Twips::rect(720, 240, 2895, 375));
    title->setAlignment(Qt::AlignCenter);
    title->setFont(Fonts::timesNewRoman());
    QPalette titlePalette = title->palette();
    titlePalette.setColor(QPalette::WindowText, QColor(0, 0, 192));
    title->setPalette(titlePalette);

    // Lies on the window above the title group.
    auto *icon = new QLabel(this);
    icon->setObjectName(u"picIcon"_s);
    icon->setGeometry(Twips::rect(120, 240, 540, 540));
    icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    icon->setPixmap(QPixmap(ProgramPictures::iconPath()));

    QGroupBox *descriptionGroup = frame(1, 1200, 735, this);
    QPlainTextEdit *description = faceField(u"txtDank"_s, Twips::rect(120, 240, 3495, 405), descriptionGroup);
    description->setPlainText(u"Zum Erstellen einer eigenen Menü-Folge für \r\nQuonda5 auf dem PC.\r\n"_s);

    QGroupBox *webGroup = frame(2, 1920, 2175, this);
    auto *internet = new QPushButton(u"Internet: http://"_s, webGroup);
    internet->setObjectName(u"cmdInternet"_s);
    internet->setGeometry(Twips::rect(120, 1680, 3495, 375));
    internet->setToolTip(u"Internet vorher aufrufen!"_s);

    QGroupBox *mailGroup = frame(3, 4080, 1695, this);
    faceField(u"txtAdresse"_s, Twips::rect(600, 120, 2535, 975), mailGroup);
    auto *mail = new QPushButton(u"eMail: "_s, mailGroup);
    mail->setObjectName(u"cmdeMail"_s);
    mail->setGeometry(Twips::rect(120, 1200, 3495, 375));

    if (const QScreen *screen = this->screen())
        move(WindowPlacement::centredOnScreen(size(), screen->availableGeometry()).topLeft());
}
