#pragma once

#include <string_view>

#include "tools/cardgen/raster.h"

namespace cardgen {

// Bitmap letters for the card index: A, J, Q, K and the digits, drawn by hand in a bold serif
// style, all of one height so that every index lines up.
inline constexpr int kIndexHeight = 16;
inline constexpr int kIndexSpacing = 1;

// The glyphs of text set side by side, kIndexSpacing blank columns apart. Characters the font
// lacks are left out. Scale 2 gives letters of twice the height and spacing, drawn anew for that
// size rather than doubled; any other scale than 2 gives the letters of scale 1.
Mask indexText(std::string_view text, int scale = 1);

}  // namespace cardgen
