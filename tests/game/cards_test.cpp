#include <gtest/gtest.h>

#include "game/board_state.h"
#include "support/printing.h"

namespace {

struct NumberRow {
    int number;
    Card card;
};

class CardWithNumberTest : public testing::TestWithParam<NumberRow> {};

TEST_P(CardWithNumberTest, MapsNumberToRankAndSuit) {
    EXPECT_EQ(cardWithNumber(GetParam().number), GetParam().card);
}

INSTANTIATE_TEST_SUITE_P(SuitBoundariesAndOutOfRange, CardWithNumberTest,
                         testing::Values(NumberRow{1, {1, 0}}, NumberRow{13, {13, 0}},
                                         NumberRow{14, {1, 1}}, NumberRow{26, {13, 1}},
                                         NumberRow{27, {1, 2}}, NumberRow{39, {13, 2}},
                                         NumberRow{40, {1, 3}}, NumberRow{52, {13, 3}},
                                         NumberRow{0, kNoCard}, NumberRow{53, kNoCard},
                                         NumberRow{-1, kNoCard}, NumberRow{-32768, kNoCard},
                                         NumberRow{32767, kNoCard}));

class CardNumberRejectsTest : public testing::TestWithParam<Card> {};

TEST_P(CardNumberRejectsTest, GivesMinusOneForAnythingButACard) {
    EXPECT_EQ(cardNumber(GetParam()), -1);
}

INSTANTIATE_TEST_SUITE_P(InvalidCards, CardNumberRejectsTest,
                         testing::Values(kNoCard, kStartupCard, Card{14, 0}, Card{1, 4},
                                         Card{5, -1}, Card{0, 2}, Card{-32768, 32767}));

TEST(CardNumbers, RoundTripBothWaysForEveryCard) {
    for (int n = 1; n <= 52; ++n) {
        const Card card = cardWithNumber(n);
        EXPECT_EQ(cardNumber(card), n) << card;
    }
    for (int suit = 0; suit < 4; ++suit) {
        for (int value = 1; value <= 13; ++value) {
            const Card card{value, suit};
            EXPECT_EQ(cardWithNumber(cardNumber(card)), card) << card;
        }
    }
}

TEST(StackCounts, CountsValidCardsAnywhereInTheColumnPerStack) {
    BoardState board;
    EXPECT_EQ(board.countSideStacks().cards, (std::array<int, 8>{}))
        << "start-up cards are not cards";

    board.clear();
    board.sideStacks[3][3] = Card{9, 2};  // slots 0..2 empty: still one card
    board.sideStacks[5][0] = Card{2, 0};
    board.sideStacks[5][1] = Card{3, 0};
    board.sideStacks[4][17] = Card{13, 3};
    const StackCounts counts = board.countSideStacks();
    for (const auto& [stack, count] :
         {std::pair{1, 0}, {2, 0}, {3, 1}, {4, 1}, {5, 2}, {6, 0}, {7, 0}, {8, 0}}) {
        EXPECT_EQ(counts.of(stack), count) << "side stack " << stack << board;
    }
}

TEST(BoardSlots, ASlotAndACenterStackAreReachedByTheirNumbers) {
    BoardState board;
    board.card(8, 17) = Card{4, 1};
    board.centerStack(3) = Card{7, 3};
    EXPECT_EQ(board.sideStacks[8][17], (Card{4, 1}));
    EXPECT_EQ(board.centerStacks[3], (Card{7, 3}));
    const BoardState& same = board;
    EXPECT_EQ(same.card(8, 17), (Card{4, 1}));
    EXPECT_EQ(same.centerStack(3), (Card{7, 3}));
}

TEST(BoardClear, EmptiesEverythingButKeepsTheSourceOfTheSelection) {
    BoardState board;
    board.sideStacks[8][17] = Card{4, 1};
    board.centerStacks[2] = Card{7, 2};
    board.selectedCard = Card{5, 3};
    board.selectedFrom = 5;

    board.clear();

    for (int n = 1; n <= 8; ++n) {
        for (const Card& slot : board.sideStacks[n]) {
            EXPECT_EQ(slot, kNoCard) << board;
        }
    }
    for (const Card& top : board.centerStacks) {
        EXPECT_EQ(top, kNoCard);
    }
    EXPECT_EQ(board.selectedCard, kNoCard);
    EXPECT_EQ(board.selectedFrom, 5);
}

}  // namespace
