#include "preview/ShownPage.h"

void ShownPage::apply(const RenderedPage &page, const PictureSource &pictures)
{
    if (page.title)
        title = *page.title;
    for (std::size_t index = 0; index < places.size(); ++index) {
        const RenderedPage::Place &drawn = page.places.at(index);
        if (!drawn.drawn)
            continue;
        Place &place = places.at(index);
        place.picture = pictures(drawn.pictureFile);
        place.command = drawn.command;
        place.shown = true;
        if (drawn.caption)
            place.caption = *drawn.caption;
    }
}

void ShownPage::emptyPlaces()
{
    for (Place &place : places) {
        place.shown = false;
        place.caption.clear();
    }
}
