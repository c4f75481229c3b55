#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>

#include "game/board_state.h"
#include "support/printing.h"
#include "support/sources.h"

namespace {

std::vector<int> numbersOf(const BoardState& board, int stack) {
    std::vector<int> numbers;
    for (const Card& card : board.sideStacks[stack]) {
        numbers.push_back(cardNumber(card));
    }
    return numbers;
}

std::vector<int> dealtColumn(std::initializer_list<int> six) {
    std::vector<int> column(six);
    column.resize(kSlotsPerSideStack, -1);
    return column;
}

void expectWellFormedDeal(const BoardState& board) {
    for (int suit = 0; suit < 4; ++suit) {
        EXPECT_EQ(board.centerStacks[static_cast<std::size_t>(suit)], (Card{1, suit}));
    }
    std::set<int> seen;
    for (int n = 1; n <= 8; ++n) {
        EXPECT_EQ(board.countSideStacks().of(n), 6) << board;
        for (int slot = 0; slot < kSlotsPerSideStack; ++slot) {
            const int number = cardNumber(board.sideStacks[n][slot]);
            if (slot < kDealtRows) {
                EXPECT_GT(number, 0) << board;
                EXPECT_NE((number - 1) % 13, 0) << "an ace on a side stack" << board;
                seen.insert(number);
            } else {
                EXPECT_EQ(board.sideStacks[n][slot], kNoCard) << board;
            }
        }
    }
    EXPECT_EQ(seen.size(), 48u) << board;
    EXPECT_EQ(board.selectedCard, kNoCard);
}

TEST(DealNewGame, SourceAlwaysZeroTakesTheSmallestCardLeft) {
    ConstantSource zero(0.0f);
    BoardState board;
    EXPECT_FALSE(board.isDealt());
    dealNewGame(board, zero);

    EXPECT_TRUE(board.isDealt());
    expectWellFormedDeal(board);
    EXPECT_EQ(numbersOf(board, 5), dealtColumn({2, 10, 19, 28, 36, 45}));
    EXPECT_EQ(numbersOf(board, 1), dealtColumn({3, 11, 20, 29, 37, 46}));
    EXPECT_EQ(numbersOf(board, 6), dealtColumn({4, 12, 21, 30, 38, 47}));
    EXPECT_EQ(numbersOf(board, 4), dealtColumn({9, 18, 26, 35, 44, 52}));
    EXPECT_EQ(zero.reseeds, 6);
    EXPECT_EQ(zero.draws, 48);
}

TEST(DealNewGame, SaysWhichSlotsItChanged) {
    ConstantSource zero(0.0f);
    BoardState board;
    const Dealt first = dealNewGame(board, zero);
    for (int stack = 1; stack <= kSideStackCount; ++stack) {
        for (int slot = 0; slot < kSlotsPerSideStack; ++slot) {
            EXPECT_EQ(first.sideSlots[stack][static_cast<std::size_t>(slot)], slot < kDealtRows)
                << stack << ' ' << slot;
        }
    }
    EXPECT_EQ(first.centerStacks, (std::array<bool, 4>{true, true, true, true}));

    // A card moved home, then the same deal again: only its stack and the center differ.
    board.centerStacks[0] = Card{2, 0};
    board.sideStacks[5][5] = kNoCard;
    const Dealt again = dealNewGame(board, zero);
    EXPECT_EQ(again.centerStacks, (std::array<bool, 4>{true, false, false, false}));
    EXPECT_TRUE(again.sideSlots[5][5]);
    EXPECT_FALSE(again.sideSlots[5][4]);
    EXPECT_FALSE(again.sideSlots[1][5]);
}

TEST(DealNewGame, SourceJustBelowOneTakesTheLargestCardLeft) {
    ConstantSource almostOne(1.0f - 0x1p-24f);
    BoardState board;
    dealNewGame(board, almostOne);

    expectWellFormedDeal(board);
    EXPECT_EQ(numbersOf(board, 5), dealtColumn({52, 44, 35, 26, 18, 9}));
    EXPECT_EQ(numbersOf(board, 4), dealtColumn({45, 36, 28, 19, 10, 2}));
}

TEST(DealNewGame, KeepsTheSourceOfTheSelectionAndReplacesAGameInProgress) {
    ConstantSource zero(0.0f);
    BoardState board;
    dealNewGame(board, zero);
    board.selectedCard = board.sideStacks[5][5];
    board.selectedFrom = 5;
    board.centerStacks[0] = Card{4, 0};
    board.sideStacks[2][6] = Card{12, 3};

    ClockRandomSource clock;
    dealNewGame(board, clock);

    expectWellFormedDeal(board);
    EXPECT_EQ(board.selectedFrom, 5);
}

// A source that breaks its contract must still never index outside the pool.
class BrokenSourceTest : public testing::TestWithParam<float> {};

TEST_P(BrokenSourceTest, StillDealsAWellFormedBoard) {
    ConstantSource broken(GetParam());
    BoardState board;
    dealNewGame(board, broken);
    expectWellFormedDeal(board);
}

INSTANTIATE_TEST_SUITE_P(OutOfContractValues, BrokenSourceTest,
                         testing::Values(1.0f, 7.5f, -0.5f, std::numeric_limits<float>::quiet_NaN(),
                                         std::numeric_limits<float>::infinity()));

TEST(ClockRandomSource, NeverReachesOne) {
    EXPECT_EQ(ClockRandomSource::toUnitInterval(0), 0.0f);
    EXPECT_EQ(ClockRandomSource::toUnitInterval(~std::uint64_t{0}), 1.0f - 0x1p-24f);
    EXPECT_LT(ClockRandomSource::toUnitInterval(~std::uint64_t{0}), 1.0f);

    ClockRandomSource clock;
    for (int i = 0; i < 100000; ++i) {
        const float r = clock.next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
    }
}

TEST(ClockRandomSource, NoRowRepeatsTheSequenceOfTheRowBefore) {
    ClockRandomSource clock;
    RecordingSource recording(clock);
    BoardState board;
    int firstValueRepeats = 0;
    for (int deal = 0; deal < 2000; ++deal) {
        recording.rows.clear();
        dealNewGame(board, recording);
        ASSERT_EQ(recording.rows.size(), 6u);
        for (std::size_t row = 1; row < recording.rows.size(); ++row) {
            ASSERT_NE(recording.rows[row], recording.rows[row - 1]) << "deal " << deal;
            firstValueRepeats += recording.rows[row][0] == recording.rows[row - 1][0];
        }
    }
    // Not even the first value, which picks side stack 5's card, repeats more often than chance
    // makes it: a 24-bit value repeats once in 2^24 pairs of rows, 0.0006 times in these 10,000,
    // and three times or more in fewer than one run in 10^10.
    EXPECT_LE(firstValueRepeats, 2);
}

// Over many deals every non-ace card lands in every slot about equally often. The bound
// lies some fifteen standard deviations above the chi-square mean, so a fair deal cannot
// fail it, while a stuck generator or a skewed draw is far beyond it.
TEST(DealNewGame, EveryCardLandsInEverySlotEquallyOften) {
    constexpr int kDeals = 24000;
    constexpr int kCells = 48;
    std::array<std::array<int, 53>, kSideStackCount * kDealtRows> hits{};
    ClockRandomSource clock;
    BoardState board;
    for (int deal = 0; deal < kDeals; ++deal) {
        dealNewGame(board, clock);
        for (int n = 1; n <= 8; ++n) {
            for (int row = 0; row < kDealtRows; ++row) {
                ++hits[static_cast<std::size_t>((n - 1) * kDealtRows + row)]
                      [static_cast<std::size_t>(cardNumber(board.sideStacks[n][row]))];
            }
        }
    }
    const double expected = static_cast<double>(kDeals) / kCells;
    double chiSquare = 0;
    for (const auto& slot : hits) {
        for (int number = 1; number <= 52; ++number) {
            if ((number - 1) % 13 == 0) {
                EXPECT_EQ(slot[static_cast<std::size_t>(number)], 0);
                continue;
            }
            const double diff = slot[static_cast<std::size_t>(number)] - expected;
            chiSquare += diff * diff / expected;
        }
    }
    const double freedom = (kCells - 1) * (kCells - 1);
    EXPECT_LT(chiSquare, freedom + 15 * std::sqrt(2 * freedom));
}

}  // namespace
