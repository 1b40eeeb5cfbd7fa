#pragma once

#include <QFont>

// The fonts the windows were designed with, with substitutes where a machine lacks
// them; sizes and weights stay as designed.
namespace Fonts {

QFont system();        // builder and dialog buttons: "System" bold 9.75 pt
QFont sansLight();     // button captions: "Sans Light" bold 8.25 pt
QFont msSansSerif();   // "MS Sans Serif" 9.75 pt
QFont courierNew();    // the vocabulary: fixed pitch 8.25 pt
QFont tahoma();        // the manual: "Tahoma" 9 pt
QFont timesNewRoman(); // the information title: bold 12 pt

} // namespace Fonts
