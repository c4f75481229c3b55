#pragma once

#include <QRect>
#include <QSize>

namespace platform {

// Window and control geometry is designed in twips (1/1440 inch). At 96 dots per inch a
// logical pixel is 15 twips; Qt's device-independent pixels take care of higher densities.
inline constexpr int kTwipsPerPixel = 15;

// Rounds to the nearest pixel, halves away from zero, so that a negative offset maps to
// the mirror image of the positive one.
constexpr int twipsToPixels(int twips) {
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

constexpr QSize twipsSize(int width, int height) {
    return QSize(twipsToPixels(width), twipsToPixels(height));
}

constexpr QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

}  // namespace platform
