#include "board/places.h"

#include <gtest/gtest.h>

#include "board/layout.h"
#include "support/positions.h"
#include "support/printing.h"

namespace {

using namespace boardPlaces;

// The grid as it stands on the board, place by place, row by row.
TEST(Places, StandInTheirRowsAsTheStacksDo) {
    const Place expected[kCount] = {{false, 5}, {true, 0},  {false, 1}, {false, 6},
                                    {true, 1},  {false, 2}, {false, 7}, {true, 2},
                                    {false, 3}, {false, 8}, {true, 3},  {false, 4}};
    for (int number = 0; number < kCount; ++number) {
        const Place at = place(number);
        EXPECT_EQ(at.isCenterStack, expected[number].isCenterStack) << number;
        EXPECT_EQ(at.number, expected[number].number) << number;
        EXPECT_EQ(at.isCenterStack ? placeOfCenterStack(at.number) : placeOfSideStack(at.number),
                  number);
        if (!at.isCenterStack) {
            // The stack's cards stand in the place's row.
            EXPECT_EQ(boardLayout::sideStackItem(at.number, 0).top(),
                      boardLayout::centerStackItem(number / kColumns).top());
        }
    }
}

struct StepRow {
    int from;
    int rowStep;
    int columnStep;
    int to;
};

class GridStepTest : public testing::TestWithParam<StepRow> {};

TEST_P(GridStepTest, MovesOnePlaceAndStopsAtEveryEdge) {
    const StepRow& row = GetParam();
    EXPECT_EQ(neighbour(row.from, row.rowStep, row.columnStep), row.to);
}

INSTANTIATE_TEST_SUITE_P(Steps, GridStepTest,
                         testing::Values(StepRow{0, 0, -1, 0}, StepRow{0, -1, 0, 0},
                                         StepRow{0, 0, 1, 1}, StepRow{0, 1, 0, 3},
                                         StepRow{2, 0, 1, 2}, StepRow{2, -1, 0, 2},
                                         StepRow{9, 1, 0, 9}, StepRow{9, 0, -1, 9},
                                         StepRow{11, 1, 0, 11}, StepRow{11, 0, 1, 11},
                                         StepRow{4, -1, 0, 1}, StepRow{4, 0, 1, 5},
                                         StepRow{7, 0, -1, 6}, StepRow{7, 1, 0, 10}));

struct CardsRow {
    int place;
    int count;
    const char* top;  // "--" for none
    const char* bottom;
};

class PlaceCardsTest : public testing::TestWithParam<CardsRow> {};

// On the position of support/positions.h.
TEST_P(PlaceCardsTest, CountsFromTheBottomAndKnowsTheTop) {
    const BoardState board = midGamePosition();
    const CardsRow& row = GetParam();
    ASSERT_EQ(cardCount(board, row.place), row.count);
    EXPECT_EQ(topCard(board, row.place), row.count ? card(row.top) : kNoCard);
    if (row.count > 0) {
        EXPECT_EQ(cardAt(board, row.place, 0), card(row.bottom));
        EXPECT_EQ(cardAt(board, row.place, row.count - 1), card(row.top));
    }
}

INSTANTIATE_TEST_SUITE_P(MidGame, PlaceCardsTest,
                         testing::Values(CardsRow{2, 3, "8C", "KS"}, CardsRow{0, 2, "3S", "9D"},
                                         CardsRow{8, 0, "--", "--"}, CardsRow{7, 1, "2D", "2D"},
                                         CardsRow{11, 1, "2H", "2H"}));

TEST(Places, BeforeTheFirstDealHoldNoCardAndSelectionMarksOnlyItsSideStack) {
    const BoardState start;
    for (int number = 0; number < kCount; ++number) {
        EXPECT_EQ(cardCount(start, number), 0) << number;
        EXPECT_EQ(topCard(start, number), kNoCard) << number;
        EXPECT_FALSE(isSelected(start, number));
    }
    BoardState board = midGamePosition();
    board.selectedCard = card("7H");
    board.selectedFrom = 2;
    for (int number = 0; number < kCount; ++number) {
        EXPECT_EQ(isSelected(board, number), number == 5) << number;
    }
}

TEST(ImageKeys, DecodeToWhatTheyWereMadeOf) {
    EXPECT_FALSE(shownBy(keyOf({})).place);
    for (int number = 0; number < kCount; ++number) {
        for (int item : {0, 1, kSlotsPerSideStack - 1}) {
            const Shown shown = shownBy(keyOf({number, item}));
            ASSERT_TRUE(shown.place);
            EXPECT_EQ(*shown.place, number);
            EXPECT_EQ(shown.item, item);
        }
    }
}

}  // namespace
