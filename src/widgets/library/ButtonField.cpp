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
    // A folder may hold a thousand files: every member shares the
    // template's picture and font instead of loading its own.
    if (!m_layer) {
        QWidget *area = m_templateImage->parentWidget();
        m_layer = new QWidget(area);
        m_layer->setGeometry(area->rect());
        // Polished while it has no members, so that showing it later does
        // not polish each of them.
        m_layer->ensurePolished();
    }
    // Members made on a shown widget are each queued a request to polish
    // themselves, and each hidden one queues its parent a new layout,
    // which Qt merges by searching the queue: quadratic in the members.
    m_layer->hide();
    QWidget *area = m_layer;
    const QRect imageGeometry = m_templateImage->geometry();
    const QString imageTip = m_templateImage->toolTip();
    const QRect labelGeometry = m_templateLabel->geometry();
    const QString caption = m_templateLabel->text();
    const QString labelTip = m_templateLabel->toolTip();
    const QFont font = m_templateLabel->font();
    const Qt::Alignment alignment = m_templateLabel->alignment();
    const bool wordWrap = m_templateLabel->wordWrap();
    const Qt::TextFormat format = m_templateLabel->textFormat();

    m_images.reserve(std::size_t(count));
    m_labels.reserve(std::size_t(count));
    m_listening.resize(std::size_t(count), false);
    m_commands.resize(std::size_t(count));
    for (int member = this->count() + 1; member <= count; ++member) {
        auto *image = new ClickableImage(area);
        image->setObjectName(u"imgQDMenu_"_s + QString::number(member));
        image->hide();
        image->setGeometry(imageGeometry);
        image->setPixmap(m_templatePicture);
        image->setToolTip(imageTip);
        image->setDraggable(true);
        m_images.push_back(image);

        auto *label = new QLabel(area);
        label->setObjectName(u"lblQDMenu_"_s + QString::number(member));
        label->hide();
        label->setGeometry(labelGeometry);
        label->setFont(font);
        label->setAlignment(alignment);
        label->setWordWrap(wordWrap);
        label->setTextFormat(format);
        label->setToolTip(labelTip);
        label->setText(caption);
        m_labels.push_back(label);
    }
    m_layer->show();
}

void ButtonField::release()
{
    delete m_layer;
    m_layer = nullptr;
    m_shownFirst = 0;
    m_shownLast = -1;
    m_images.clear();
    m_labels.clear();
    m_listening.clear();
    m_commands.clear();
}

void ButtonField::place(const BatchPlan::Member &member)
{
    const QPoint offset(CellPixels * member.column, CellPixels * member.row);
    image(member.number)->move(m_templateImage->pos() + offset);
    label(member.number)->move(m_templateLabel->pos() + offset);
}

void ButtonField::listenTo(int member)
{
    // Only a shown button can be clicked; connecting a thousand hidden ones
    // at creation would be wasted time.
    if (m_listening[std::size_t(member - 1)])
        return;
    m_listening[std::size_t(member - 1)] = true;
    connect(image(member), &ClickableImage::clicked, this,
            [this, member] { emit commandClicked(m_commands.at(std::size_t(member - 1))); });
    connect(image(member), &ClickableImage::dragStarted, this, [this, member] { drag(member); });
}

void ButtonField::drag(int member)
{
    ClickableImage *picture = image(member);
    auto *drag = new QDrag(picture);
    drag->setMimeData(DragData::forButton(m_commands.at(std::size_t(member - 1))));
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
        m_commands.at(std::size_t(member.number - 1)) = ButtonFileNames::commandName(member.fileName);
        listenTo(member.number);
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
