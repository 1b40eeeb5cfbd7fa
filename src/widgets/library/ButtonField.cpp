#include "library/ButtonField.h"

#include "common/ButtonPicture.h"
#include "common/ClickableImage.h"
#include "common/DragData.h"
#include "common/Twips.h"
#include "library/ButtonFileNames.h"

#include <QDir>
#include <QDrag>
#include <QEvent>
#include <QLabel>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// One cell of the grid: five columns and five rows of 1200 twips.
constexpr int CellPixels = Twips::toPixels(1200);

} // namespace

ButtonField::ButtonField(ClickableImage *templateImage, QLabel *templateLabel, QObject *parent)
    : QObject(parent)
    , m_templateImage(templateImage)
    , m_templateLabel(templateLabel)
    , m_templatePicture(templateImage->pixmap())
{
    m_templateImage->parentWidget()->installEventFilter(this);
}

bool ButtonField::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize && m_layer)
        m_layer->setGeometry(m_templateImage->parentWidget()->rect());
    return QObject::eventFilter(watched, event);
}

void ButtonField::create(int count)
{
    if (count > this->count())
        m_members.resize(std::size_t(count));
}

ButtonField::Member &ButtonField::made(int member)
{
    Member &entry = m_members.at(std::size_t(member - 1));
    if (entry.image)
        return entry;
    if (!m_layer) {
        QWidget *area = m_templateImage->parentWidget();
        m_layer = new QWidget(area);
        m_layer->setGeometry(area->rect());
        m_layer->show();
    }
    // Every member shares the template's picture and font instead of
    // loading its own.
    entry.image = new ClickableImage(m_layer);
    entry.image->setObjectName(u"imgQDMenu_"_s + QString::number(member));
    entry.image->hide();
    entry.image->setGeometry(m_templateImage->geometry());
    entry.image->setPixmap(m_templatePicture);
    entry.image->setToolTip(m_templateImage->toolTip());
    entry.image->setDraggable(true);
    connect(entry.image, &ClickableImage::clicked, this,
            [this, member] { emit commandClicked(m_members.at(std::size_t(member - 1)).command); });
    connect(entry.image, &ClickableImage::dragStarted, this, [this, member] { drag(member); });

    entry.label = new QLabel(m_layer);
    entry.label->setObjectName(u"lblQDMenu_"_s + QString::number(member));
    entry.label->hide();
    entry.label->setGeometry(m_templateLabel->geometry());
    entry.label->setFont(m_templateLabel->font());
    entry.label->setAlignment(m_templateLabel->alignment());
    entry.label->setWordWrap(m_templateLabel->wordWrap());
    entry.label->setTextFormat(m_templateLabel->textFormat());
    entry.label->setToolTip(m_templateLabel->toolTip());
    entry.label->setText(m_templateLabel->text());
    return entry;
}

void ButtonField::release()
{
    delete m_layer;
    m_layer = nullptr;
    m_shownFirst = 0;
    m_shownLast = -1;
    m_members.clear();
}

void ButtonField::place(const BatchPlan::Member &member)
{
    const QPoint offset(CellPixels * member.column, CellPixels * member.row);
    image(member.number)->move(m_templateImage->pos() + offset);
    label(member.number)->move(m_templateLabel->pos() + offset);
}

void ButtonField::drag(int member)
{
    ClickableImage *picture = image(member);
    auto *drag = new QDrag(picture);
    drag->setMimeData(DragData::forButton(m_members.at(std::size_t(member - 1)).command));
    drag->setPixmap(picture->pixmap());
    drag->setHotSpot(picture->pixmap().rect().center());
    drag->exec(Qt::CopyAction);
}

int ButtonField::showBatch(int batch, const QString &folder, const QStringList &fileNames,
                           const QStringList &vocabulary)
{
    // Only the last batch's members are shown: hiding the thousands of
    // others again would cost a step its time for nothing. A hidden member
    // gives its picture back, or paging through a large folder would keep
    // every picture it ever showed; it is loaded afresh when shown again.
    for (int member = m_shownFirst; member <= std::min(m_shownLast, count()); ++member) {
        ClickableImage *picture = image(member);
        picture->hide();
        picture->setPixmap(m_templatePicture);
        label(member)->hide();
    }
    const BatchPlan plan = BatchPlan::make(batch, count(), fileNames, vocabulary);
    m_shownFirst = plan.members.empty() ? 0 : plan.members.front().number;
    m_shownLast = plan.members.empty() ? -1 : plan.members.back().number;
    for (const BatchPlan::Member &member : plan.members) {
        place(member);
        ClickableImage *picture = image(member.number);
        picture->show();
        m_members.at(std::size_t(member.number - 1)).command = ButtonFileNames::commandName(member.fileName);
        if (member.number == plan.stoppedAt)
            break;
        // Loaded afresh at every step: the folder may have changed meanwhile.
        picture->setPixmap(member.pictureFile ? ButtonPicture::load(QDir(folder).filePath(*member.pictureFile))
                                              : m_templatePicture);
        picture->setToolTip(member.tooltip);
        QLabel *caption = label(member.number);
        caption->show();
        caption->setToolTip(member.tooltip);
        if (member.caption)
            caption->setText(*member.caption);
    }
    return plan.stoppedAt;
}
