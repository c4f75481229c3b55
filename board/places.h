#pragma once

#include <QString>

#include "game/board_state.h"

// The twelve places a player without a mouse moves between, laid out as they stand on the
// board: four rows, each of the side stack fanning left (5..8 from the top), the center stack
// (suits 0..3 from the top) and the side stack fanning right (1..4 from the top). A place is
// numbered row by row, 0..11, which is also the order in which it is read out.
namespace boardPlaces {

inline constexpr int kRows = 4;
inline constexpr int kColumns = 3;
inline constexpr int kCount = kRows * kColumns;

struct Place {
    bool isCenterStack;
    int number;  // the side stack 1..8, or the suit of the center stack 0..3
};

// place must be 0..11.
constexpr Place place(int place) {
    const int row = place / kColumns;
    switch (place % kColumns) {
        case 0:
            return {false, row + 5};
        case 1:
            return {true, row};
        default:
            return {false, row + 1};
    }
}

// The place of side stack `stack` (1..8), and of the center stack of `suit` (0..3).
constexpr int placeOfSideStack(int stack) {
    return stack <= 4 ? (stack - 1) * kColumns + 2 : (stack - 5) * kColumns;
}
constexpr int placeOfCenterStack(int suit) {
    return suit * kColumns + 1;
}

// What one card image shows: item `item` of the place (0 on a center stack), numbered as one
// key for the canvas. The selected-card box has a key of its own, outside every place.
struct Slot {
    int place;
    int item;
};
inline constexpr int kSelectedCardKey = -1;
constexpr int keyOf(Slot slot) {
    return slot.place * kSlotsPerSideStack + slot.item;
}
constexpr Slot slotOf(int key) {
    return {key / kSlotsPerSideStack, key % kSlotsPerSideStack};
}

// The place one step away in the grid; at an edge it is the same place.
int neighbour(int place, int rowStep, int columnStep);

// The item of a side stack that a click on its top card reaches: the top card, or item 0
// (the empty-stack picture) when the stack holds no card.
int topItem(const BoardState& board, int stack);

// "seven of hearts", "queen of spades"; empty for anything that is not a card.
QString cardName(Card card);
// "clubs", "hearts", "diamonds", "spades" for suit 0..3.
QString suitName(int suit);

// What a sighted player sees at the place, for example "Side stack 3: seven of hearts on top,
// 6 cards", "Side stack 5: empty", "Center stack, hearts: three of hearts", followed by
// ", selected" while the place's top card is the selected one.
QString placeName(const BoardState& board, int place);
// "Selected card: seven of hearts" or "Selected card: none".
QString selectedCardName(const BoardState& board);
bool isSelected(const BoardState& board, int place);

}  // namespace boardPlaces
