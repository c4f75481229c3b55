#pragma once

#include "tools/cardgen/raster.h"

namespace cardgen {

enum class Suit { Clubs = 0, Hearts = 1, Diamonds = 2, Spades = 3 };

// The suit symbol rasterized at the given height. The width follows from the symbol's own
// proportions; every symbol is mirror-symmetric about its middle column. At a scale above 1 the
// symbol fills the box of scale 1 multiplied by scale (height counts pixels at scale 1),
// rasterized at that resolution.
Mask suitSymbol(Suit suit, int height, int scale = 1);

}  // namespace cardgen
