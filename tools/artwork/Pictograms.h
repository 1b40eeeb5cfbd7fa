#pragma once

#include <QColor>

class QPainter;

// The small line drawings on the buttons. Each glyph is drawn into a box of
// 32 x 26 units at the painter's origin in the button's ink colour.
namespace Pictograms {

enum class Glyph {
    None,
    Info,
    Star,
    Roadblock,
    House,
    Pin,
    Map,
    Route,
    Palette,
    Version,
    Head,
    Exit,
    Question,
    List,
    Grid,
    Magnifier,
    TrafficLight,
    LeftHand,
    Car,
    Maps,
    Download,
    Fork,
    AtoB,
    Gear,
    Turn,
    Warning,
    NavArrow,
    Via,
    Rotate,
    Key,
    Brightness,
    Compass,
    Cradle,
    Sun,
    Units,
    Keyboard,
    Globe,
    Tag,
    Clock,
    Moon,
    Speech,
    StatusBar,
    Toll,
    Speaker,
    Satellite,
    Bars,
    Cloud,
    Cube3D,
    Bluetooth,
    Bulb,
    Eye,
    Cap,
    PageArrow
};

constexpr int GlyphWidth = 32;
constexpr int GlyphHeight = 26;

// `face` is the button's colour, for holes and marks cut into the glyph.
void drawGlyph(QPainter &p, Glyph glyph, const QColor &ink, const QColor &face);

} // namespace Pictograms
