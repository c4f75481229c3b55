#pragma once

#include <optional>

#include "game/board_state.h"

// The twelve places a player without a mouse moves between, laid out as they stand on the
// board: four rows, each of the side stack fanning left (5..8 from the top), the center stack
// (suits 0..3 from the top) and the side stack fanning right (1..4 from the top). A place is
// numbered row by row, 0..11, which is also the order in which it is read out.
namespace boardPlaces {

inline constexpr int kRows = 4;
inline constexpr int kColumns = 3;
inline constexpr int kCount = kRows * kColumns;

// Row 0..3 from the top and column 0..2 from the left of a place 0..11.
constexpr int rowOfPlace(int place) {
    return place / kColumns;
}
constexpr int columnOf(int place) {
    return place % kColumns;
}

// The place of side stack `stack` (1..8), and of the center stack of `suit` (0..3).
constexpr int placeOfSideStack(int stack) {
    return rowOf(stack) * kColumns + (fansRight(stack) ? 2 : 0);
}
constexpr int placeOfCenterStack(int suit) {
    return suit * kColumns + 1;
}

struct Place {
    bool isCenterStack;
    int number;  // the side stack 1..8, or the suit of the center stack 0..3
};

// What stands at a place 0..11: a side stack where placeOfSideStack puts one, else the center
// stack of the row.
constexpr Place place(int place) {
    for (int stack = 1; stack <= kSideStackCount; ++stack) {
        if (placeOfSideStack(stack) == place) {
            return {false, stack};
        }
    }
    return {true, rowOfPlace(place)};
}

// The place one step away in the grid; at an edge it is the same place.
int neighbour(int place, int rowStep, int columnStep);

// The cards of a place, counted from the bottom: a side stack's cards, or the one card a
// center stack shows.
int cardCount(const BoardState& board, int place);
// card must be below cardCount().
Card cardAt(const BoardState& board, int place, int card);
// The card on top of the place, or kNoCard.
Card topCard(const BoardState& board, int place);
// Whether the place's top card is the selected one.
bool isSelected(const BoardState& board, int place);

// What one card image shows: the selected card, or item `item` of a place (0 on a center
// stack), numbered as one key for the canvas.
struct Shown {
    std::optional<int> place;  // none for the selected-card box
    int item = 0;
};
inline constexpr int kSelectedCardKey = -1;
constexpr int keyOf(Shown shown) {
    return shown.place ? *shown.place * kSlotsPerSideStack + shown.item : kSelectedCardKey;
}
constexpr Shown shownBy(int key) {
    if (key == kSelectedCardKey) {
        return {};
    }
    return {key / kSlotsPerSideStack, key % kSlotsPerSideStack};
}

}  // namespace boardPlaces
