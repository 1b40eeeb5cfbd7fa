#include "preview/PreviewWindow.h"

#include "common/ButtonPicture.h"
#include "common/ClickableImage.h"
#include "common/Fonts.h"
#include "common/ProgramPictures.h"
#include "common/Twips.h"
#include "common/WindowPlacement.h"
#include "model/ProgramState.h"
#include "preview/PagePainter.h"
#include "preview/PreviewRenderer.h"

#include <QDir>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace {

// Where the window opens on a large enough screen, in twips.
constexpr QRect ClientArea = Twips::rect(12030, 3885, 2490, 4050);

// Until the window manager has framed the window its frame is unknown;
// this is roomy enough for the usual title bars.
constexpr QMargins AssumedFrame(8, 32, 8, 8);

} // namespace

PreviewWindow::PreviewWindow(const ProgramState &state, PageOpenerIndex &openers, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
    , m_state(state)
    , m_openers(openers)
{
    setObjectName(u"frmQDMenu"_s);
    setWindowTitle(u"Quonda Menu"_s);
    setWindowIcon(ProgramPictures::icon());
    setAttribute(Qt::WA_DeleteOnClose);
    createControls();
    placeOnScreen();

    m_previewPage = 0;
    drawPage();
}

void PreviewWindow::createControls()
{
    setFixedSize(ClientArea.size());

    m_page.title = u"Haupmenü 1 von 6"_s;
    m_titleLabel = new QLabel(m_page.title, this);
    m_titleLabel->setObjectName(u"lblMenu"_s);
    m_titleLabel->setGeometry(PagePainter::titleRect());
    m_titleLabel->setAlignment(Qt::AlignCenter);
    m_titleLabel->setTextFormat(Qt::PlainText);
    m_titleLabel->setFont(Fonts::msSansSerif());
    m_titleLabel->installEventFilter(this);

    m_placeFrame = new QFrame(this);
    m_placeFrame->setObjectName(u"PicMenu"_s);
    m_placeFrame->setGeometry(PagePainter::frameRect());
    m_placeFrame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_placeFrame->installEventFilter(this);

    // The places lie inside the frame, measured from the window.
    const QPoint frameOrigin = PagePainter::frameRect().topLeft();
    for (int place = 0; place < RenderedPage::PlaceCount; ++place) {
        auto *image = new ClickableImage(m_placeFrame);
        image->setObjectName(u"imgMen_%1"_s.arg(place));
        image->setGeometry(PagePainter::pictureRect(place).translated(-frameOrigin));
        image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        image->hide();
        image->installEventFilter(this);
        connect(image, &ClickableImage::clicked, this, [this, place] { placeClicked(place); });
        m_placeImages.at(place) = image;

        auto *caption = new QLabel(m_placeFrame);
        caption->setObjectName(u"lblMen_%1"_s.arg(place));
        caption->setGeometry(PagePainter::captionRect(place).translated(-frameOrigin));
        caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        caption->setWordWrap(true);
        caption->setTextFormat(Qt::PlainText);
        caption->setFont(Fonts::sansLight());
        caption->installEventFilter(this);
        m_placeCaptions.at(place) = caption;
    }
}

bool PreviewWindow::eventFilter(QObject *watched, QEvent *event)
{
    // The window paints the whole page through the page painter that the
    // overview and the exports share; its controls paint nothing of their own.
    if (event->type() == QEvent::Paint)
        return true;
    return QWidget::eventFilter(watched, event);
}

void PreviewWindow::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    PagePainter::paint(painter, m_page, palette());
}

void PreviewWindow::placeOnScreen()
{
    QScreen *screen = QGuiApplication::screenAt(ClientArea.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : ClientArea;
    setGeometry(WindowPlacement::keptOnScreen(ClientArea, AssumedFrame, available));
}

void PreviewWindow::placeClicked(int place)
{
    if (QLocale().toUpper(m_page.places.at(place).command) != u"PAGE")
        return;
    m_page.emptyPlaces();
    ++m_previewPage;
    drawPage();
}

void PreviewWindow::drawPage()
{
    // Each page makes the button folder current, as paging the button
    // field does; later file dialogs start there.
    if (!m_state.buttonFolder.isEmpty())
        QDir::setCurrent(m_state.buttonFolder);
    apply(PreviewRenderer::render(m_state.recordList.entries(), m_previewPage, m_state.buttonFiles.entries(),
                                  m_state.vocabulary.entries(), m_openers));
}

void PreviewWindow::apply(const RenderedPage &page)
{
    m_previewPage = page.previewPage;
    // A folder that vanished meanwhile gives template pictures, not a failure.
    m_page.apply(page, [this](const std::optional<QString> &file) {
        return file ? ButtonPicture::load(QDir(m_state.buttonFolder).filePath(*file))
                    : ButtonPicture::templatePicture();
    });
    showPage();
}

void PreviewWindow::showPage()
{
    m_titleLabel->setText(m_page.title);
    for (int index = 0; index < RenderedPage::PlaceCount; ++index) {
        const ShownPage::Place &place = m_page.places.at(index);
        ClickableImage *image = m_placeImages.at(index);
        image->setPixmap(place.picture);
        image->setToolTip(place.command);
        image->setVisible(place.shown);
        m_placeCaptions.at(index)->setText(place.caption);
    }
    update();
}
