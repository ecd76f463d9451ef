// The desktop's system colours for the indexes colour values carry (window text,
// window background, highlight ...), taken from the application palette, so a
// list set to the desktop's standard colours follows the current theme.
#pragma once

#include <QColor>

namespace nalo {

// The colour of system colour `index`; the palette's window text for an index
// no system colour has, so such a value always stays readable on the window.
QColor SystemPaletteColor(int index);

}  // namespace nalo
