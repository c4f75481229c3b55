#pragma once

#include <QImage>

namespace cardgen {

inline constexpr int kCardWidth = 79;
inline constexpr int kCardHeight = 97;
inline constexpr int kEmptyStackId = 100;
inline constexpr int kLastCardId = 152;

// The picture with the given id: 100 is the empty-stack outline, 100 + suit * 13 + value the
// face of that card (suits clubs, hearts, diamonds, spades; values 1 = ace .. 13 = king).
// Only white, black and pure red are used. An id outside 100..152 gives a null image.
// Scale 2 draws the same picture at twice the size (158 x 194) from the same shapes: the outline
// two pixels wide, the suit symbols rasterized at that size, the index in the letters of scale 2.
QImage cardPicture(int id, int scale = 1);

}  // namespace cardgen
