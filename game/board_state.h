#pragma once

#include <array>
#include <cstddef>

#include "game/card.h"

class RandomSource;

inline constexpr int kSideStackCount = 8;
inline constexpr int kSlotsPerSideStack = 18;
inline constexpr int kDealtRows = 6;

// Side stacks are numbered 1..8: 1..4 fan out to the right of the center stacks, 5..8 to the
// left, and each row of the board holds one of each, from the top: 1 and 5, 2 and 6, and so on.
constexpr bool isSideStack(int stack) {
    return stack >= 1 && stack <= kSideStackCount;
}
constexpr bool fansRight(int stack) {
    return stack <= kSideStackCount / 2;
}
// The row, 0..3 from the top.
constexpr int rowOf(int stack) {
    return (stack - 1) % (kSideStackCount / 2);
}

// One value for each side stack, indexed by the stack's number 1..8 (and iterated in that order).
template <class T>
struct BySideStack : std::array<T, kSideStackCount> {
    using Array = std::array<T, kSideStackCount>;
    T& operator[](int stack) { return Array::operator[](static_cast<std::size_t>(stack - 1)); }
    const T& operator[](int stack) const {
        return Array::operator[](static_cast<std::size_t>(stack - 1));
    }
};

// One column of face-up cards. Slot 0 is the bottom card; the cards fill the slots from 0
// without gaps, the highest occupied slot is the top card, and the slots above hold kNoCard.
using SideStack = std::array<Card, kSlotsPerSideStack>;

// How many cards each side stack holds at one moment. A click takes one such snapshot
// before it changes anything and works from it throughout.
struct StackCounts {
    BySideStack<int> cards{};

    // stack must be 1..8.
    int of(int stack) const { return cards[stack]; }
    // The slot of the stack's top card; -1 when it holds none.
    int topSlot(int stack) const { return of(stack) - 1; }
};

// The whole state of one game. A value-initialised board is the program's state at
// start-up: every card is kStartupCard and selectedFrom is 0.
struct BoardState {
    BySideStack<SideStack> sideStacks{};
    // The top card of each suit's center stack, indexed by suit; the cards beneath are gone.
    std::array<Card, kSuitCount> centerStacks{};
    // While a card is held: a copy of the top card of side stack selectedFrom, which it
    // does not leave until it moves. kNoCard otherwise.
    Card selectedCard{};
    // 1..8 while a card is held, -1 when none is, 0 before the first selection. A new deal
    // leaves it as it was; nothing reads it until the next selection sets it.
    int selectedFrom = 0;

    // stack must be 1..8, slot 0..17 and suit 0..3.
    Card& card(int stack, int slot) { return sideStacks[stack][static_cast<std::size_t>(slot)]; }
    Card card(int stack, int slot) const {
        return sideStacks[stack][static_cast<std::size_t>(slot)];
    }
    Card& centerStack(int suit) { return centerStacks[static_cast<std::size_t>(suit)]; }
    Card centerStack(int suit) const { return centerStacks[static_cast<std::size_t>(suit)]; }

    // Counts the cards anywhere in each column (not the position of the first free slot;
    // the two agree while the stacks have no gaps). kNoCard and kStartupCard do not count.
    StackCounts countSideStacks() const;
    // The card on top of side stack `stack` (1..8), or kNoCard when it holds none.
    Card topCard(int stack) const;
    // Whether a game has been dealt since start-up: before the first deal every card is the
    // start-up card, after it every center stack holds a card.
    bool isDealt() const { return centerStacks[0].isCard(); }

    // Empties the selection, the center stacks and every slot; selectedFrom keeps its value.
    void clear();
};

// The order in which a deal fills the side stacks within each row.
inline constexpr std::array<int, kSideStackCount> kDealOrder{5, 1, 6, 2, 7, 3, 8, 4};

// What a deal changed, as a player sees it: the slots of the side stacks and the center stacks
// that show another card (or none) than before.
struct Dealt {
    BySideStack<std::array<bool, kSlotsPerSideStack>> sideSlots{};
    std::array<bool, kSuitCount> centerStacks{};
};

// Starts a new game: clears the board, lays the four aces on their center stacks and deals
// the other 48 cards face up in six rows, one card per side stack in kDealOrder, reseeding
// the random source before each row. Does not redraw.
Dealt dealNewGame(BoardState& board, RandomSource& random);
