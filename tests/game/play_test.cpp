#include "game/play.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

#include "game/random_source.h"
#include "support/invariants.h"
#include "support/positions.h"
#include "support/printing.h"

namespace {

TEST(RandomPlay, LongClickSequencesKeepEveryInvariant) {
    std::mt19937 rng(20261208);
    SeededRandomSource deals(7);
    BoardState board;
    bool dealt = false;
    auto pick = [&rng](int low, int high) {
        return static_cast<int>(std::uniform_int_distribution<int>(low, high)(rng));
    };

    for (int step = 0; step < 200000; ++step) {
        const int kind = pick(0, 99);
        const int stack = pick(1, 8);
        if (kind < 45) {  // mostly the clicks a player makes: top cards and center stacks
            const int count = board.countSideStacks().of(stack);
            clickSideStack(board, stack, count > 0 ? count - 1 : 0);
        } else if (kind < 70) {
            clickCenterStack(board, pick(0, 3));
        } else if (kind < 85) {
            clickSideStack(board, stack, pick(-3, 20));
        } else if (kind < 90) {
            clickSideStack(board, pick(-32768, 32767), pick(-32768, 32767));
            clickCenterStack(board, pick(-32768, 32767));
        } else if (kind < 98) {
            clickBackground(board);
        } else {
            dealNewGame(board, deals);
            dealt = true;
        }
        if (dealt) {
            ASSERT_TRUE(boardIsConsistent(board)) << "after step " << step;
        }
    }
}

TEST(WholeGame, PlaysThroughTheClicksToFourKings) {
    BoardState board = position({
        {1, {"KC", "QC", "JC", "10C", "9C", "8C", "7C", "6C", "5C", "4C", "3C", "2C"}},
        {2, {"KH", "QH", "JH", "10H", "9H", "8H", "7H", "6H", "5H", "4H", "3H"}},
        {3, {"QD", "JD", "10D", "9D", "8D", "7D", "6D", "5D", "4D", "3D", "2D", "KD"}},
        {4, {"KS", "QS", "JS", "10S", "9S", "8S", "7S", "6S", "5S", "4S"}},
        {5, {"3S"}},
        {6, {"2S"}},
        {8, {"2H"}},
    });
    auto top = [&](int n) { return board.countSideStacks().topSlot(n); };
    ASSERT_TRUE(boardIsConsistent(board));

    // Side-stack moves first: 3S onto 4S, 2S onto 3S, the king of diamonds onto the
    // emptied stack 5, freeing the 2 of diamonds.
    for (auto [from, to] : {std::pair{5, 4}, std::pair{6, 4}, std::pair{3, 5}}) {
        clickSideStack(board, from, top(from));
        clickSideStack(board, to, std::max<int>(top(to), 0));
        ASSERT_TRUE(boardIsConsistent(board));
    }
    EXPECT_EQ(board.sideStacks[5][0], card("KD"));

    // Then everything goes home, each time the top card that fits.
    for (int moves = 0; moves < 48; ++moves) {
        bool moved = false;
        for (int n = 1; n <= 8 && !moved; ++n) {
            if (top(n) < 0) {
                continue;
            }
            const Card candidate = board.sideStacks[n][static_cast<std::size_t>(top(n))];
            clickSideStack(board, n, top(n));
            clickCenterStack(board, candidate.suit);
            moved = board.centerStacks[static_cast<std::size_t>(candidate.suit)] == candidate;
            ASSERT_TRUE(boardIsConsistent(board));
        }
        ASSERT_TRUE(moved) << "stuck" << board;
    }

    EXPECT_EQ(board.centerStacks,
              (std::array<Card, 4>{card("KC"), card("KH"), card("KD"), card("KS")}));
    EXPECT_EQ(sideStackCards(board), 0);
    // A complete center stack takes nothing more, and nothing else happens.
    const BoardState won = board;
    clickCenterStack(board, 0);
    clickSideStack(board, 1, 0);
    EXPECT_EQ(board.sideStacks, won.sideStacks);
    EXPECT_EQ(board.centerStacks, won.centerStacks);
}

}  // namespace
