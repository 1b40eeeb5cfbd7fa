#include "shell/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace Fonts {

namespace {

// The first of the candidates that is really installed. Asking fontconfig
// for a missing family gets whatever it aliases the name to ("Sans Light"
// turns into a wide bold sans), so the choice is made here.
QString installedFamily(const QStringList &candidates)
{
    const QStringList installed = QFontDatabase::families();
    for (const QString &family : candidates) {
        if (installed.contains(family, Qt::CaseInsensitive))
            return family;
    }
    return candidates.constLast();
}

QFont make(const QStringList &families, qreal points, bool bold, QFont::StyleHint hint = QFont::SansSerif)
{
    QFont font;
    font.setFamily(installedFamily(families));
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
                 u"DejaVu Sans"_s}, 8.25, true);
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
