#pragma once

#include "preview/RenderedPage.h"

#include <QPixmap>
#include <QString>

#include <array>
#include <functional>
#include <optional>

// What one device page shows at a moment: the title line and the six
// places. A rendered page only changes it; what the renderer leaves out
// stays as it was.
struct ShownPage
{
    struct Place
    {
        bool shown = false;
        QPixmap picture;
        QString caption;
        // What a click on the place does; its tooltip shows the same.
        QString command;
    };

    // Gives the picture for a button file; none: the template picture.
    using PictureSource = std::function<QPixmap(const std::optional<QString> &file)>;

    QString title;
    std::array<Place, RenderedPage::PlaceCount> places;

    void apply(const RenderedPage &page, const PictureSource &pictures);
    // Before the page turns: every picture hidden, every caption empty.
    void emptyPlaces();
};
