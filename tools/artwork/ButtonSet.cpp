#include "ButtonSet.h"

#include "Badges.h"
#include "GifWriter.h"
#include "Pictograms.h"

#include <QDir>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace ButtonSet {

namespace {

using Badges::Badge;
using Pictograms::Glyph;

enum class Kind { Route, Map, Places, Traffic, Help, Settings, Services, Device, Page, Empty };

struct Design
{
    const char *command;
    Kind kind;
    Glyph glyph;
    Badge badge;
    const char16_t *label;
};

// In the order of the vocabulary.
const Design Designs[] = {
    {"about", Kind::Help, Glyph::Info, Badge::None, u"Info"},
    {"add_favorite", Kind::Places, Glyph::Star, Badge::Plus, u"Favorit"},
    {"avoid_route_line", Kind::Route, Glyph::Roadblock, Badge::None, u"Meiden"},
    {"change_home_location", Kind::Route, Glyph::House, Badge::None, u"Heimatort"},
    {"configure_poi", Kind::Places, Glyph::Pin, Badge::Gear, u"Einrichten"},
    {"delete_map", Kind::Map, Glyph::Map, Badge::Cross, u"Löschen"},
    {"delete_route", Kind::Route, Glyph::Route, Badge::Cross, u"Löschen"},
    {"download_map", Kind::Services, Glyph::Map, Badge::Down, u"Karte"},
    {"download_poi", Kind::Services, Glyph::Pin, Badge::Down, u"Orte"},
    {"download_scheme", Kind::Services, Glyph::Palette, Badge::Down, u"Farben"},
    {"download_version_number", Kind::Services, Glyph::Version, Badge::Down, u"Version"},
    {"download_voice", Kind::Services, Glyph::Head, Badge::Down, u"Stimme"},
    {"empty", Kind::Empty, Glyph::None, Badge::None, u"leer"},
    {"exit_app", Kind::Device, Glyph::Exit, Badge::None, u"Beenden"},
    {"help_general", Kind::Help, Glyph::Question, Badge::None, u"Hilfe"},
    {"help_itinerary", Kind::Help, Glyph::List, Badge::Question, u"Reiseroute"},
    {"help_mainmenu", Kind::Help, Glyph::Grid, Badge::Question, u"Hauptmenü"},
    {"help_mapbrowser", Kind::Help, Glyph::Map, Badge::Question, u"Karte"},
    {"help_planning", Kind::Help, Glyph::Route, Badge::Question, u"Planung"},
    {"help_traffic", Kind::Help, Glyph::TrafficLight, Badge::Question, u"Verkehr"},
    {"help_zooming", Kind::Help, Glyph::Magnifier, Badge::Question, u"Zoomen"},
    {"itinerary", Kind::Route, Glyph::List, Badge::None, u"Reiseroute"},
    {"lefthanded", Kind::Settings, Glyph::LeftHand, Badge::None, u"Links"},
    {"traffic_replan", Kind::Traffic, Glyph::Car, Badge::Reload, u"Umfahren"},
    {"maintain_favorites", Kind::Places, Glyph::Star, Badge::List, u"Favoriten"},
    {"maintain_poi", Kind::Places, Glyph::Pin, Badge::List, u"Verwalten"},
    {"manage_maps", Kind::Map, Glyph::Maps, Badge::None, u"Verwalten"},
    {"menu_download", Kind::Services, Glyph::Download, Badge::None, u"Downloads"},
    {"menu_find_alternatives", Kind::Route, Glyph::Fork, Badge::None, u"Alternative"},
    {"menu_plan_atob", Kind::Route, Glyph::AtoB, Badge::None, u"A nach B"},
    {"menu_preferences", Kind::Settings, Glyph::Gear, Badge::None, u"Optionen"},
    {"menu_recalc_block", Kind::Route, Glyph::Route, Badge::Reload, u"Neu planen"},
    {"menu_route_instructions", Kind::Route, Glyph::Turn, Badge::None, u"Anweisungen"},
    {"menu_traffic", Kind::Traffic, Glyph::TrafficLight, Badge::None, u"Verkehr"},
    {"traffic_explain", Kind::Traffic, Glyph::Warning, Badge::None, u"Erklären"},
    {"navigate_to", Kind::Route, Glyph::NavArrow, Badge::None, u"Navigieren"},
    {"plan_via", Kind::Route, Glyph::Via, Badge::None, u"Über"},
    {"reset_settings", Kind::Settings, Glyph::Gear, Badge::Reload, u"Zurücksetzen"},
    {"rotate_display", Kind::Device, Glyph::Rotate, Badge::None, u"Drehen"},
    {"service_login", Kind::Services, Glyph::Key, Badge::None, u"Anmelden"},
    {"set_backlight", Kind::Device, Glyph::Brightness, Badge::None, u"Helligkeit"},
    {"set_compass", Kind::Settings, Glyph::Compass, Badge::None, u"Kompass"},
    {"set_cradle", Kind::Device, Glyph::Cradle, Badge::None, u"Halterung"},
    {"set_day_color_scheme", Kind::Settings, Glyph::Sun, Badge::None, u"Tag"},
    {"show_map", Kind::Map, Glyph::Map, Badge::None, u"Karte"},
    {"set_dist_units", Kind::Settings, Glyph::Units, Badge::None, u"Einheiten"},
    {"set_hidemap", Kind::Map, Glyph::Map, Badge::Off, u"Ausblenden"},
    {"set_keyboard_size", Kind::Settings, Glyph::Keyboard, Badge::None, u"Tastatur"},
    {"set_language", Kind::Settings, Glyph::Globe, Badge::None, u"Sprache"},
    {"set_map", Kind::Map, Glyph::Map, Badge::Check, u"Wählen"},
    {"set_name_display", Kind::Map, Glyph::Tag, Badge::None, u"Namen"},
    {"set_night_color_scheme", Kind::Settings, Glyph::Moon, Badge::None, u"Nacht"},
    {"set_plantype", Kind::Route, Glyph::Clock, Badge::None, u"Routenart"},
    {"set_prompt", Kind::Settings, Glyph::Speech, Badge::None, u"Ansagen"},
    {"set_status", Kind::Settings, Glyph::StatusBar, Badge::None, u"Statusleiste"},
    {"set_toll", Kind::Route, Glyph::Toll, Badge::None, u"Maut"},
    {"set_voice", Kind::Settings, Glyph::Head, Badge::None, u"Stimme"},
    {"set_volume", Kind::Device, Glyph::Speaker, Badge::None, u"Lautstärke"},
    {"show_gps_status", Kind::Device, Glyph::Satellite, Badge::None, u"GPS"},
    {"show_route_demo", Kind::Route, Glyph::Route, Badge::Play, u"Vorführung"},
    {"show_status", Kind::Device, Glyph::Bars, Badge::None, u"Status"},
    {"show_weather", Kind::Services, Glyph::Cloud, Badge::None, u"Wetter"},
    {"switch_2d3d", Kind::Map, Glyph::Cube3D, Badge::None, u"2D / 3D"},
    {"traffic_enable", Kind::Traffic, Glyph::TrafficLight, Badge::Power, u"Ein / Aus"},
    {"switch_bluetooth", Kind::Device, Glyph::Bluetooth, Badge::None, u"Bluetooth"},
    {"switch_nightview", Kind::Device, Glyph::Moon, Badge::Power, u"Nachtansicht"},
    {"switch_poi", Kind::Places, Glyph::Pin, Badge::Power, u"Ein / Aus"},
    {"switch_sound", Kind::Device, Glyph::Speaker, Badge::Power, u"Ton"},
    {"switch_tips", Kind::Help, Glyph::Bulb, Badge::Power, u"Tipps"},
    {"traffic_settings", Kind::Traffic, Glyph::TrafficLight, Badge::Gear, u"Einstellen"},
    {"traffic_update", Kind::Traffic, Glyph::Car, Badge::Down, u"Aktualisieren"},
    {"traffic_view", Kind::Traffic, Glyph::Eye, Badge::None, u"Ansehen"},
    {"tutorial", Kind::Help, Glyph::Cap, Badge::None, u"Einführung"},
    {"page", Kind::Page, Glyph::PageArrow, Badge::None, u"Weiter"},
};

QColor faceOf(Kind kind)
{
    switch (kind) {
    case Kind::Route: return {34, 120, 64};
    case Kind::Map: return {33, 86, 170};
    case Kind::Places: return {205, 110, 0};
    case Kind::Traffic: return {185, 40, 40};
    case Kind::Help: return {110, 62, 168};
    case Kind::Settings: return {78, 90, 110};
    case Kind::Services: return {0, 125, 135};
    case Kind::Device: return {135, 82, 40};
    case Kind::Page: return {40, 42, 48};
    case Kind::Empty: return {214, 214, 218};
    }
    return {};
}

const Design *find(const QString &command)
{
    for (const Design &design : Designs) {
        if (command == QLatin1StringView(design.command))
            return &design;
    }
    return nullptr;
}

void drawLabel(QPainter &p, const QString &label, const QColor &ink, const QColor &shadow)
{
    QFont font(u"DejaVu Sans"_s);
    font.setBold(true);
    // As large as fits: most labels take 10 pixels, the long ones shrink.
    for (int pixels = 10; pixels >= 7; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetricsF(font).horizontalAdvance(label) <= 74)
            break;
    }
    p.setFont(font);
    const QRectF box(0, 33, 80, 15);
    p.setPen(shadow);
    p.drawText(box.translated(0, 1), Qt::AlignCenter, label);
    p.setPen(ink);
    p.drawText(box, Qt::AlignCenter, label);
}

} // namespace

QStringList commands()
{
    QStringList names;
    for (const Design &design : Designs)
        names << QString::fromLatin1(design.command);
    return names;
}

QImage draw(const QString &command)
{
    QImage image(80, 50, QImage::Format_RGB32);
    image.fill(QColor(240, 240, 240));
    const Design *design = find(command);
    if (!design)
        return image;
    const QColor face = faceOf(design->kind);
    const bool empty = design->kind == Kind::Empty;
    const QColor ink = empty ? QColor(120, 120, 128) : QColor(255, 255, 255);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient gradient(0, 0, 0, 50);
    gradient.setColorAt(0, face.lighter(125));
    gradient.setColorAt(1, face.darker(112));
    p.setBrush(gradient);
    p.setPen(QPen(face.darker(165), 1, empty ? Qt::DashLine : Qt::SolidLine));
    p.drawRoundedRect(QRectF(0.5, 0.5, 79, 49), 6, 6);
    if (!empty) {
        p.setPen(QPen(QColor(255, 255, 255, 80), 1));
        p.drawLine(QPointF(6, 1.5), QPointF(74, 1.5));
    }

    p.save();
    p.translate(24, 4);
    Pictograms::drawGlyph(p, design->glyph, ink, face);
    p.restore();
    p.save();
    p.translate(68.5, 11.5);
    Badges::drawBadge(p, design->badge, face);
    p.restore();
    drawLabel(p, QString::fromUtf16(design->label), ink, empty ? QColor(250, 250, 250) : face.darker(200));
    return image;
}

bool write(const QString &folder)
{
    QDir().mkpath(folder);
    const QDir dir(folder);
    for (const QString &command : commands()) {
        if (!GifWriter::save(draw(command), dir.filePath(command + u".gif"_s)))
            return false;
    }
    return true;
}

} // namespace ButtonSet
