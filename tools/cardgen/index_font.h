#pragma once

#include <string_view>

#include "tools/cardgen/raster.h"

namespace cardgen {

// Bitmap letters for the card index: A, J, Q, K and the digits, drawn by hand in a bold serif
// style, all of one height so that every index lines up.
inline constexpr int kIndexHeight = 16;
inline constexpr int kIndexSpacing = 1;

// The glyphs of text set side by side, kIndexSpacing blank columns apart. Characters the font
// lacks are left out.
Mask indexText(std::string_view text);

}  // namespace cardgen
