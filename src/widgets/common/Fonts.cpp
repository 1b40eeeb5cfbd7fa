#include "common/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Fonts {

namespace {

// The first family of the list that this system has: the one the font
// will be drawn in. Naming the others as well would make the font
// database look up, for every such font, the system's whole fallback
// order at once (on Linux a sort of all fonts), where otherwise it asks
// only when a character is missing from the family, which none of our
// texts is. A family the system lacks would be looked up in the same way.
QStringList installed(const QStringList &families)
{
    // The system's fonts do not change while the program runs.
    static const QStringList available = QFontDatabase::families();
    for (const QString &family : families) {
        // A family that several foundries make is listed as "Name [foundry]".
        const bool found = std::any_of(available.begin(), available.end(), [&family](const QString &name) {
            return name.startsWith(family, Qt::CaseInsensitive)
                   && (name.size() == family.size() || name.sliced(family.size()).startsWith(u" ["));
        });
        if (found)
            return {family};
    }
    return families;
}

QFont make(const QStringList &families, qreal points, bool bold, QFont::StyleHint hint = QFont::SansSerif)
{
    QFont font;
    font.setFamilies(installed(families));
    font.setStyleHint(hint);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace

QFont system()
{
    return make({u"System"_s, u"Liberation Sans"_s, u"Arial"_s, u"DejaVu Sans Condensed"_s}, 9.75, true);
}

QFont sansLight()
{
    return make({u"Sans Light"_s, u"DejaVu Sans Condensed"_s, u"Liberation Sans Narrow"_s, u"Nimbus Sans Narrow"_s,
                 u"DejaVu Sans"_s},
                8.25, true);
}

QFont msSansSerif()
{
    return make({u"MS Sans Serif"_s, u"Liberation Sans"_s, u"Arial"_s, u"DejaVu Sans"_s}, 9.75, false);
}

QFont courierNew()
{
    QFont font = make({u"Courier New"_s, u"Liberation Mono"_s, u"DejaVu Sans Mono"_s}, 8.25, false, QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

QFont tahoma()
{
    return make({u"Tahoma"_s, u"DejaVu Sans"_s}, 9, false);
}

QFont timesNewRoman()
{
    return make({u"Times New Roman"_s, u"Liberation Serif"_s, u"DejaVu Serif"_s}, 12, true, QFont::Serif);
}

} // namespace Fonts
