#pragma once

#include "tools/cardgen/raster.h"

namespace cardgen {

enum class Suit { Clubs = 0, Hearts = 1, Diamonds = 2, Spades = 3 };

// The suit symbol rasterized at the given height. The width follows from the symbol's own
// proportions; every symbol is mirror-symmetric about its middle column.
Mask suitSymbol(Suit suit, int height);

}  // namespace cardgen
