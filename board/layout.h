#pragma once

#include <QRect>

#include "board/places.h"
#include "platform/twips.h"

// Where the Board's controls stand, in twips of the client area, as the window was designed.
namespace boardLayout {

inline constexpr int kClientWidth = 15240;
inline constexpr int kClientHeight = 7875;
inline constexpr int kCardWidth = 975;
inline constexpr int kCardHeight = 1215;
inline constexpr int kFanStep = 360;
inline constexpr int kRightFanLeft = 8280;  // item 0 of side stacks 1..4, growing rightwards
inline constexpr int kLeftFanLeft = 6120;   // item 0 of side stacks 5..8, growing leftwards
inline constexpr int kCenterLeft = 7200;
inline constexpr int kFirstRowTop = 2040;
inline constexpr int kRowStep = 1440;

inline constexpr QSize kClientSize = platform::twipsSize(kClientWidth, kClientHeight);
inline constexpr QRect kNewButton = platform::twipsRect(0, 360, 855, 375);
inline constexpr QRect kSelectedCardHeading = platform::twipsRect(kCenterLeft, 240, 1095, 255);
inline constexpr QRect kSelectedCardBox =
    platform::twipsRect(kCenterLeft, 600, kCardWidth, kCardHeight);

// Row 0..3 from the top, as boardPlaces lays the places out.
constexpr int rowTop(int row) {
    return kFirstRowTop + kRowStep * row;
}

// Item `item` of side stack `stack` (1..8).
constexpr QRect sideStackItem(int stack, int item) {
    const int left =
        fansRight(stack) ? kRightFanLeft + kFanStep * item : kLeftFanLeft - kFanStep * item;
    return platform::twipsRect(left, rowTop(rowOf(stack)), kCardWidth, kCardHeight);
}

// The center stack of `suit` (0..3).
constexpr QRect centerStackItem(int suit) {
    return platform::twipsRect(kCenterLeft, rowTop(suit), kCardWidth, kCardHeight);
}

}  // namespace boardLayout
