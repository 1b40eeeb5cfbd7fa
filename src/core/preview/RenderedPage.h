#pragma once

#include <QString>

#include <array>
#include <optional>

// What one drawing of the preview changes. Everything left empty here stays
// as the window shows it: the renderer never hides a place or clears a
// caption, the page turn does that before it asks for the next page.
struct RenderedPage
{
    static constexpr int PlaceCount = 6;

    struct Place
    {
        // False: the place keeps its picture, caption and command.
        bool drawn = false;
        // A file name of the button folder; none: the template picture.
        std::optional<QString> pictureFile;
        // None: the caption the place has stays.
        std::optional<QString> caption;
        // Read back by the page turn: "PAGE" in any case turns the page.
        QString command;

        friend bool operator==(const Place &, const Place &) = default;
    };

    // The page number to remember for the next page turn; 0 after the
    // last record was drawn, so the next turn starts over at the first page.
    int previewPage = 0;
    // None: the title label keeps its text.
    std::optional<QString> title;
    std::array<Place, PlaceCount> places;

    friend bool operator==(const RenderedPage &, const RenderedPage &) = default;
};
