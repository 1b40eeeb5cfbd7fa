#include "library/ButtonField.h"

#include "library/ButtonPicture.h"
#include "shell/ClickableImage.h"
#include "shell/Twips.h"

#include <QLabel>

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
}

void ButtonField::create(int count)
{
    // A folder may hold a thousand files: every member shares the
    // template's picture and font instead of loading its own.
    QWidget *area = m_templateImage->parentWidget();
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
    for (int member = this->count() + 1; member <= count; ++member) {
        auto *image = new ClickableImage(area);
        image->setObjectName(u"imgQDMenu_"_s + QString::number(member));
        image->hide();
        image->setGeometry(imageGeometry);
        image->setPixmap(m_templatePicture);
        image->setToolTip(imageTip);
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
}

void ButtonField::release()
{
    for (std::size_t i = 0; i < m_images.size(); ++i) {
        delete m_images[i];
        delete m_labels[i];
    }
    m_images.clear();
    m_labels.clear();
    m_listening.clear();
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
    connect(image(member), &ClickableImage::clicked, this, [this, member] { emit imageClicked(member); });
}

int ButtonField::showBatch(int batch, const QStringList &fileNames, const QStringList &vocabulary)
{
    for (std::size_t i = 0; i < m_images.size(); ++i) {
        m_images[i]->hide();
        m_labels[i]->hide();
    }
    const BatchPlan plan = BatchPlan::make(batch, count(), fileNames, vocabulary);
    for (const BatchPlan::Member &member : plan.members) {
        place(member);
        ClickableImage *picture = image(member.number);
        picture->show();
        listenTo(member.number);
        if (member.number == plan.stoppedAt)
            break;
        // Loaded afresh at every step: the folder may have changed meanwhile.
        picture->setPixmap(member.pictureFile ? ButtonPicture::load(*member.pictureFile) : m_templatePicture);
        picture->setToolTip(member.tooltip);
        QLabel *caption = label(member.number);
        caption->show();
        caption->setToolTip(member.tooltip);
        if (member.caption)
            caption->setText(*member.caption);
    }
    return plan.stoppedAt;
}
