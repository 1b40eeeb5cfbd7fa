#pragma once

class QAbstractItemView;

// Rows as tall as the font needs for every character a menu or vocabulary
// file can hold. Many fonts draw the dots and rings of capitals (Ä, Å, É)
// above their ascent, where a row of the usual height cuts them off; the
// text stays centred, so the row grows by that much above and below.
namespace FullHeightRows {

// Gives `view` a delegate like the one it has, with rows that tall.
void apply(QAbstractItemView *view);

} // namespace FullHeightRows
