#pragma once

#include "preview/ShownPage.h"

#include <QString>
#include <QWidget>

#include <array>

class ClickableImage;
class PageOpenerIndex;
class QFrame;
class QLabel;
struct ProgramState;
struct RenderedPage;

// frmQDMenu: one page of the menu as the device shows it, a title and six
// button places. A click on a place whose command is "PAGE" turns the page.
// Creating the window is its load: it draws the first page at once.
class PreviewWindow : public QWidget
{
    Q_OBJECT

public:
    // `openers` knows where the pages of the state's record list open.
    PreviewWindow(const ProgramState &state, PageOpenerIndex &openers, QWidget *parent);

    // The page number the next page turn goes on from; 0 = first page.
    int previewPage() const { return m_previewPage; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void createControls();
    void placeOnScreen();
    void placeClicked(int place);
    void drawPage();
    void apply(const RenderedPage &page);
    void showPage();

    const ProgramState &m_state;
    PageOpenerIndex &m_openers;
    int m_previewPage = 0;
    // What the window paints; its controls carry the same for clicks,
    // tooltips and the tools that find them by name.
    ShownPage m_page;

    QLabel *m_titleLabel = nullptr;
    QFrame *m_placeFrame = nullptr;
    std::array<ClickableImage *, 6> m_placeImages{};
    std::array<QLabel *, 6> m_placeCaptions{};
};
