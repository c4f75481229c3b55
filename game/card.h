#pragma once

#include <cstdint>

// A card as the board stores it. Valid cards have Value 1 (ace) .. 13 (king) and
// Suit 0 clubs, 1 hearts, 2 diamonds, 3 spades. Two other values occur and are not cards:
// the empty card (-1, -1) marks a free slot or no selection, and the zero card (0, 0) is
// what every Card holds before the first deal.
struct Card {
    std::int16_t Value = 0;
    std::int16_t Suit = 0;

    friend bool operator==(const Card&, const Card&) = default;
};

inline constexpr Card kEmptyCard{-1, -1};
inline constexpr Card kZeroCard{0, 0};
