#include <gtest/gtest.h>

#include "game/modboard.h"
#include "game/modcards.h"
#include "game/printing.h"

namespace {

struct NumberRow {
    std::int16_t number;
    Card card;
};

class NumberToCardTest : public testing::TestWithParam<NumberRow> {};

TEST_P(NumberToCardTest, MapsNumberToValueAndSuit) {
    EXPECT_EQ(modCards::NumberToCard(GetParam().number), GetParam().card);
}

INSTANTIATE_TEST_SUITE_P(SuitBoundariesAndOutOfRange, NumberToCardTest,
                         testing::Values(NumberRow{1, {1, 0}}, NumberRow{13, {13, 0}},
                                         NumberRow{14, {1, 1}}, NumberRow{26, {13, 1}},
                                         NumberRow{27, {1, 2}}, NumberRow{39, {13, 2}},
                                         NumberRow{40, {1, 3}}, NumberRow{52, {13, 3}},
                                         NumberRow{0, kEmptyCard}, NumberRow{53, kEmptyCard},
                                         NumberRow{-1, kEmptyCard}, NumberRow{-32768, kEmptyCard},
                                         NumberRow{32767, kEmptyCard}));

class CardToNumberRejectsTest : public testing::TestWithParam<Card> {};

TEST_P(CardToNumberRejectsTest, GivesMinusOneForAnythingButACard) {
    EXPECT_EQ(modCards::CardToNumber(GetParam()), -1);
}

INSTANTIATE_TEST_SUITE_P(InvalidCards, CardToNumberRejectsTest,
                         testing::Values(kEmptyCard, kZeroCard, Card{14, 0}, Card{1, 4},
                                         Card{5, -1}, Card{0, 2}, Card{-32768, 32767}));

TEST(CardNumbers, RoundTripBothWaysForEveryCard) {
    for (std::int16_t n = 1; n <= 52; ++n) {
        const Card card = modCards::NumberToCard(n);
        EXPECT_EQ(modCards::CardToNumber(card), n) << card;
    }
    for (std::int16_t suit = 0; suit < 4; ++suit) {
        for (std::int16_t value = 1; value <= 13; ++value) {
            const Card card{value, suit};
            EXPECT_EQ(modCards::NumberToCard(modCards::CardToNumber(card)), card) << card;
        }
    }
}

TEST(CountSideStacks, CountsValidCardsAnywhereInTheColumnPerStack) {
    BoardState board;
    EXPECT_EQ(modBoard::CountSideStacks(board).Counts, (std::array<std::int16_t, 8>{}))
        << "zero cards are not cards";

    modBoard::ClearBoard(board);
    board.sideStack(3)[3] = Card{9, 2};  // slots 0..2 empty: still one card
    board.sideStack(5)[0] = Card{2, 0};
    board.sideStack(5)[1] = Card{3, 0};
    board.sideStack(4)[17] = Card{13, 3};
    const StackCounts counts = modBoard::CountSideStacks(board);
    EXPECT_EQ(counts.of(3), 1);
    EXPECT_EQ(counts.of(5), 2);
    EXPECT_EQ(counts.of(4), 1);
    // Storage order 5, 1, 6, 2, 7, 3, 8, 4.
    EXPECT_EQ(counts.Counts, (std::array<std::int16_t, 8>{2, 0, 0, 0, 0, 1, 0, 1}));
}

TEST(ClearBoard, EmptiesEverythingButKeepsSelectedFrom) {
    BoardState board;
    board.sideStack(8)[17] = Card{4, 1};
    board.CenterStack[2] = Card{7, 2};
    board.SelectedCard = Card{5, 3};
    board.SelectedFrom = 5;

    modBoard::ClearBoard(board);

    for (int n = 1; n <= 8; ++n) {
        for (const Card& slot : board.sideStack(n)) {
            EXPECT_EQ(slot, kEmptyCard) << board;
        }
    }
    for (const Card& top : board.CenterStack) {
        EXPECT_EQ(top, kEmptyCard);
    }
    EXPECT_EQ(board.SelectedCard, kEmptyCard);
    EXPECT_EQ(board.SelectedFrom, 5);
}

}  // namespace
