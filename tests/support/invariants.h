#pragma once

#include <gtest/gtest.h>

#include <set>

#include "game/board_state.h"
#include "support/printing.h"

// The invariants that every click keeps once a game has been dealt; shared by the model's
// property test and the window's monkey test.
inline int sideStackCards(const BoardState& board) {
    int total = 0;
    for (int count : board.countSideStacks().cards) {
        total += count;
    }
    return total;
}

inline int centerValues(const BoardState& board) {
    int total = 0;
    for (const Card& top : board.centerStacks) {
        total += top.rank;
    }
    return total;
}

// The invariants that every click keeps once a game has been dealt.
inline testing::AssertionResult boardIsConsistent(const BoardState& board) {
    const StackCounts counts = board.countSideStacks();
    std::set<int> numbers;
    for (int n = 1; n <= 8; ++n) {
        const int count = counts.of(n);
        if (count > 17) {
            return testing::AssertionFailure() << "stack " << n << " holds " << count << board;
        }
        for (int slot = 0; slot < kSlotsPerSideStack; ++slot) {
            const Card& card = board.sideStacks[n][static_cast<std::size_t>(slot)];
            if ((slot < count) != (cardNumber(card) > 0)) {
                return testing::AssertionFailure() << "gap in stack " << n << board;
            }
            if (slot < count && !numbers.insert(cardNumber(card)).second) {
                return testing::AssertionFailure() << card << " twice" << board;
            }
        }
    }
    // A deal leaves selectedFrom stale with nothing held, so "held" is judged by the card.
    if (board.selectedCard != kNoCard) {
        if (!isSideStack(board.selectedFrom) || counts.of(board.selectedFrom) == 0 ||
            board.selectedCard != board.sideStacks[board.selectedFrom][static_cast<std::size_t>(
                                      counts.of(board.selectedFrom) - 1)]) {
            return testing::AssertionFailure() << "held card is not its stack's top" << board;
        }
    }
    if (centerValues(board) + sideStackCards(board) != 52) {
        return testing::AssertionFailure() << "cards lost or made up" << board;
    }
    return testing::AssertionSuccess();
}
