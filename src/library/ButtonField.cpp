#include "library/ButtonField.h"

#include "library/ButtonPaging.h"
#include "library/ButtonPicture.h"
#include "library/CaptionLookup.h"
#include "model/MenuRecords.h"
#include "shell/ClickableImage.h"
#include "shell/Twips.h"

#include <QLabel>

using namespace Qt::StringLiterals;

namespace {

// One cell of the grid: five columns and five rows of 1200 twips.
constexpr int CellPixels = Twips::toPixels(1200);
constexpr int SuffixLength = 4; // ".gif"

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

void ButtonField::place(int member)
{
    const int dx = CellPixels * ButtonPaging::column(member);
    const int dy = CellPixels * ButtonPaging::row(member);
    image(member)->move(m_templateImage->pos() + QPoint(dx, dy));
    label(member)->move(m_templateLabel->pos() + QPoint(dx, dy));
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
    const int last = std::min(ButtonPaging::lastMember(batch, count()), int(fileNames.size()));
    for (int member = ButtonPaging::firstMember(batch); member <= last; ++member) {
        place(member);
        ClickableImage *picture = image(member);
        picture->show();
        listenTo(member);
        const QString &fileName = fileNames.at(member - 1);
        if (!fileName.endsWith(u"gif"_s))
            return member;
        // Loaded afresh at every step: the folder may have changed meanwhile.
        // A name that is nothing but the suffix names no picture.
        picture->setPixmap(fileName != u"gif"_s ? ButtonPicture::load(fileName) : m_templatePicture);
        const QString command = fileName.left(std::max(qsizetype(0), fileName.size() - SuffixLength));
        const QString tip = MenuRecords::buttonTooltip(member, command);
        picture->setToolTip(tip);
        QLabel *caption = label(member);
        caption->show();
        caption->setToolTip(tip);
        if (const auto text = CaptionLookup::find(vocabulary, command))
            caption->setText(*text);
    }
    return 0;
}
