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
QImage cardPicture(int id);

}  // namespace cardgen
