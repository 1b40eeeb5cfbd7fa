#include "preview/PreviewWindow.h"

#include "common/ButtonPicture.h"
#include "common/ClickableImage.h"
#include "common/Fonts.h"
#include "common/ProgramPictures.h"
#include "common/Twips.h"
#include "common/WindowPlacement.h"
#include "model/ProgramState.h"
#include "preview/PreviewRenderer.h"

#include <QDir>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
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

    m_titleLabel = new QLabel(u"Haupmenü 1 von 6"_s, this);
    m_titleLabel->setObjectName(u"lblMenu"_s);
    m_titleLabel->setGeometry(Twips::rect(0, 0, 2475, 375));
    m_titleLabel->setAlignment(Qt::AlignCenter);
    m_titleLabel->setTextFormat(Qt::PlainText);
    m_titleLabel->setFont(Fonts::msSansSerif());

    m_placeFrame = new QFrame(this);
    m_placeFrame->setObjectName(u"PicMenu"_s);
    m_placeFrame->setGeometry(Twips::rect(0, 360, 2475, 3705));
    m_placeFrame->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    // The places are measured from inside the frame's border.
    const QPoint origin = m_placeFrame->contentsRect().topLeft();
    for (int place = 0; place < RenderedPage::PlaceCount; ++place) {
        const int left = (place % 2) * 1200;
        const int top = (place / 2) * 1200;

        auto *image = new ClickableImage(m_placeFrame);
        image->setObjectName(u"imgMen_%1"_s.arg(place));
        image->setGeometry(Twips::rect(left, top, 1200, 750).translated(origin));
        image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        image->hide();
        connect(image, &ClickableImage::clicked, this, [this, place] { placeClicked(place); });
        m_placeImages.at(place) = image;

        auto *caption = new QLabel(m_placeFrame);
        caption->setObjectName(u"lblMen_%1"_s.arg(place));
        caption->setGeometry(Twips::rect(left, top + 750, 1200, 450).translated(origin));
        caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        caption->setWordWrap(true);
        caption->setTextFormat(Qt::PlainText);
        caption->setFont(Fonts::sansLight());
        m_placeCaptions.at(place) = caption;
    }
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
    if (QLocale().toUpper(m_placeCommands.at(place)) != u"PAGE")
        return;
    for (int other = 0; other < RenderedPage::PlaceCount; ++other) {
        m_placeImages.at(other)->hide();
        m_placeCaptions.at(other)->clear();
    }
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
    if (page.title)
        m_titleLabel->setText(*page.title);
    for (int place = 0; place < RenderedPage::PlaceCount; ++place) {
        const RenderedPage::Place &drawn = page.places.at(place);
        if (!drawn.drawn)
            continue;
        ClickableImage *image = m_placeImages.at(place);
        // A folder that vanished meanwhile gives template pictures, not a failure.
        image->setPixmap(drawn.pictureFile
                             ? ButtonPicture::load(QDir(m_state.buttonFolder).filePath(*drawn.pictureFile))
                             : ButtonPicture::templatePicture());
        image->setToolTip(drawn.command);
        m_placeCommands.at(place) = drawn.command;
        image->show();
        if (drawn.caption)
            m_placeCaptions.at(place)->setText(*drawn.caption);
    }
}
