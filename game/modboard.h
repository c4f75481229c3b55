#pragma once

#include <array>
#include <cstdint>

#include "game/card.h"

class RandomSource;

inline constexpr int kSideStackCount = 8;
inline constexpr int kSlotsPerSideStack = 18;
inline constexpr int kCenterStackCount = 4;
inline constexpr int kDealtRows = 6;

// The side stacks are cleared, counted and dealt in this order, and StackCounts lists
// its counts in it.
inline constexpr std::array<std::int16_t, kSideStackCount> kStorageOrder{5, 1, 6, 2, 7, 3, 8, 4};

// One column of face-up cards; slot 0 is the bottom card and the highest occupied slot
// the top card.
using SideStackSlots = std::array<Card, kSlotsPerSideStack>;

// The whole state of one game. A value-initialised board is the program's start state:
// every Card is the zero card and SelectedFrom is 0.
struct BoardState {
    // SideStack[N - 1] holds side stack N. Go through sideStack(N) rather than
    // subtracting by hand.
    std::array<SideStackSlots, kSideStackCount> SideStack{};
    // CenterStack[suit] holds only the top card of that suit's foundation.
    std::array<Card, kCenterStackCount> CenterStack{};
    // A copy of the top card of side stack SelectedFrom while a card is held; the empty
    // card otherwise.
    Card SelectedCard{};
    // 1..8 while a card is held, -1 when nothing is, 0 before the first selection.
    std::int16_t SelectedFrom = 0;

    // N must be 1..8 (see isSideStackNumber).
    SideStackSlots& sideStack(int n) { return SideStack[static_cast<std::size_t>(n - 1)]; }
    const SideStackSlots& sideStack(int n) const {
        return SideStack[static_cast<std::size_t>(n - 1)];
    }
};

constexpr bool isSideStackNumber(int n) {
    return n >= 1 && n <= kSideStackCount;
}

// How many valid cards each side stack holds, in storage order. Read a stack's count with
// of(N); the storage position of N is not N - 1.
struct StackCounts {
    std::array<std::int16_t, kSideStackCount> Counts{};

    // N must be 1..8.
    std::int16_t of(int n) const { return Counts[storagePosition(n)]; }
    std::int16_t& of(int n) { return Counts[storagePosition(n)]; }

    // Stacks 5..8 sit at even positions 0, 2, 4, 6 and stacks 1..4 at odd ones.
    static constexpr std::size_t storagePosition(int n) {
        return n >= 5 ? static_cast<std::size_t>(2 * (n - 5))
                      : static_cast<std::size_t>(2 * (n - 1) + 1);
    }
};

namespace modBoard {

// Empties the selection, the center stacks and every side-stack slot. SelectedFrom keeps
// its value.
void ClearBoard(BoardState& board);

// Counts the valid cards anywhere in each column (not the position of the first gap; the
// two agree while the stacks have no gaps). Empty and zero cards are not counted.
StackCounts CountSideStacks(const BoardState& board);

// Starts a new game: clears the board, lays the aces on their center stacks and deals
// the other 48 cards six rows deep, reseeding the source before each row. Does not redraw.
void DealNewGame(BoardState& board, RandomSource& random);

}  // namespace modBoard
