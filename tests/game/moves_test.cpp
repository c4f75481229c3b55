#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <variant>

#include "game/play.h"
#include "support/positions.h"
#include "support/printing.h"

namespace {

using namespace outcome;
using Where = Nothing::Where;

void hold(BoardState& board, int stack) {
    const int top = board.countSideStacks().topSlot(stack);
    board.selectedCard = board.sideStacks[stack][static_cast<std::size_t>(top)];
    board.selectedFrom = stack;
}

struct ClickRow {
    std::string name;
    std::function<void(BoardState&)> before;  // applied to midGamePosition()
    std::function<ClickOutcome(BoardState&)> click;
    std::function<void(BoardState&)> after;  // the expected change to `before`
    ClickOutcome said;                       // what the click says it did
};

void PrintTo(const ClickRow& row, std::ostream* out) {
    *out << row.name;
}

void nothing(BoardState&) {}

auto side(int stack, int index) {
    return [=](BoardState& b) { return clickSideStack(b, stack, index); };
}
auto center(int index) {
    return [=](BoardState& b) { return clickCenterStack(b, index); };
}
ClickOutcome background(BoardState& b) {
    return clickBackground(b);
}
void dropSelection(BoardState& b) {
    b.selectedCard = kNoCard;
    b.selectedFrom = -1;
}

class ClickTest : public testing::TestWithParam<ClickRow> {};

TEST_P(ClickTest, ChangesTheBoardAndSaysWhatItDid) {
    const ClickRow& row = GetParam();
    BoardState board = midGamePosition();
    row.before(board);
    BoardState expected = board;
    row.after(expected);

    const ClickOutcome said = row.click(board);

    EXPECT_EQ(board.sideStacks, expected.sideStacks) << "got" << board << "want" << expected;
    EXPECT_EQ(board.centerStacks, expected.centerStacks) << "got" << board << "want" << expected;
    EXPECT_EQ(board.selectedCard, expected.selectedCard);
    EXPECT_EQ(board.selectedFrom, expected.selectedFrom);
    EXPECT_EQ(said, row.said);
}

INSTANTIATE_TEST_SUITE_P(
    SelectionTable, ClickTest,
    testing::Values(
        ClickRow{"NothingHeld_TopCard_Selects", nothing, side(2, 1),
                 [](BoardState& b) { hold(b, 2); }, Selected{card("7H"), 2, kNoCard}},
        ClickRow{"Held_TopCardOneHigher_MovesOntoIt", [](BoardState& b) { hold(b, 7); }, side(5, 1),
                 [](BoardState& b) {
                     b.sideStacks[5][2] = card("2C");
                     b.sideStacks[7][0] = kNoCard;
                     dropSelection(b);
                 },
                 Moved{card("2C"), 7, kNoCard, Destination::SideStack, 5, card("3S")}},
        ClickRow{"Held_SevenOntoEightOfAnotherSuit_Moves", [](BoardState& b) { hold(b, 2); },
                 side(1, 2),
                 [](BoardState& b) {
                     b.sideStacks[1][3] = card("7H");
                     b.sideStacks[2][1] = kNoCard;
                     dropSelection(b);
                 },
                 Moved{card("7H"), 2, card("5D"), Destination::SideStack, 1, card("8C")}},
        ClickRow{"Held_OtherTopCardNotOneHigher_ReplacesSelection",
                 [](BoardState& b) { hold(b, 2); }, side(8, 1), [](BoardState& b) { hold(b, 8); },
                 Selected{card("10S"), 8, card("7H"), 2}},
        ClickRow{"Held_OwnTopCardAgain_ReselectsIt", [](BoardState& b) { hold(b, 1); }, side(1, 2),
                 nothing, Selected{card("8C"), 1, card("8C"), 1}},
        ClickRow{"Held_CardBelowTop_ChangesNothing", [](BoardState& b) { hold(b, 1); }, side(1, 1),
                 nothing, Nothing{Where::NotATopCard}},
        ClickRow{"Held_CardBelowOwnTop_ChangesNothing", [](BoardState& b) { hold(b, 2); },
                 side(2, 0), nothing, Nothing{Where::NotATopCard}},
        ClickRow{"NothingHeld_CardBelowTop_ChangesNothing", nothing, side(5, 0), nothing,
                 Nothing{Where::NotATopCard}},
        ClickRow{"NothingHeld_SlotAboveTop_ChangesNothing", nothing, side(1, 9), nothing,
                 Nothing{Where::NotATopCard}},
        ClickRow{"NothingHeld_EmptyStack_ChangesNothingButChecksGameEnd", nothing, side(3, 0),
                 nothing, Nothing{Where::EmptySideStack}},
        ClickRow{"Held_EmptyStack_MovesIntoSlotZero", [](BoardState& b) { hold(b, 1); }, side(3, 0),
                 [](BoardState& b) {
                     b.sideStacks[3][0] = card("8C");
                     b.sideStacks[1][2] = kNoCard;
                     dropSelection(b);
                 },
                 Moved{card("8C"), 1, card("QH"), Destination::EmptySideStack, 3, kNoCard}},
        ClickRow{"Held_OnlyCardOntoEmptyStack_EmptiesItsStack", [](BoardState& b) { hold(b, 4); },
                 side(3, 0),
                 [](BoardState& b) {
                     b.sideStacks[3][0] = card("2H");
                     b.sideStacks[4][0] = kNoCard;
                     dropSelection(b);
                 },
                 Moved{card("2H"), 4, kNoCard, Destination::EmptySideStack, 3, kNoCard}},
        ClickRow{"Held_TwoOntoAceOfItsSuit_Moves", [](BoardState& b) { hold(b, 4); }, center(1),
                 [](BoardState& b) {
                     b.centerStacks[1] = card("2H");
                     b.sideStacks[4][0] = kNoCard;
                     dropSelection(b);
                 },
                 Moved{card("2H"), 4, kNoCard, Destination::CenterStack, 1, card("AH")}},
        ClickRow{"Held_ThreeOntoTwoOfItsSuit_Moves",
                 [](BoardState& b) {
                     b.sideStacks[6][1] = card("3D");
                     hold(b, 6);
                 },
                 center(2),
                 [](BoardState& b) {
                     b.centerStacks[2] = card("3D");
                     b.sideStacks[6][1] = kNoCard;
                     dropSelection(b);
                 },
                 Moved{card("3D"), 6, card("4C"), Destination::CenterStack, 2, card("2D")}},
        ClickRow{"Held_TwoOntoAceOfAnotherSuit_RefusedAndDropped",
                 [](BoardState& b) { hold(b, 7); }, center(1), dropSelection,
                 RefusedHome{card("2C"), 1, 7}},
        ClickRow{"Held_ThreeOntoAce_RefusedAndDropped", [](BoardState& b) { hold(b, 5); },
                 center(3), dropSelection, RefusedHome{card("3S"), 3, 5}},
        ClickRow{"NothingHeld_CenterStack_MovesNothing", nothing, center(0), nothing,
                 Nothing{Where::CenterStack}},
        ClickRow{"Held_Background_DropsSelection", [](BoardState& b) { hold(b, 8); }, background,
                 dropSelection, Dropped{card("10S"), 8}},
        ClickRow{"NothingHeld_Background_ChangesNothing", nothing, background, nothing,
                 Nothing{Where::Background}},
        ClickRow{"StackNumberOutOfRange_DoesNothing", [](BoardState& b) { hold(b, 1); }, side(9, 0),
                 nothing, Nothing{Where::NotATopCard}},
        ClickRow{"StackNumberZero_DoesNothing", [](BoardState& b) { hold(b, 1); }, side(0, 0),
                 nothing, Nothing{Where::NotATopCard}},
        ClickRow{"SideIndexOutOfRange_DoesNothing", [](BoardState& b) { hold(b, 1); }, side(3, 18),
                 nothing, Nothing{Where::NotATopCard}},
        ClickRow{"NegativeSideIndex_DoesNothing", [](BoardState& b) { hold(b, 1); }, side(3, -1),
                 nothing, Nothing{Where::NotATopCard}},
        ClickRow{"CenterIndexOutOfRange_DoesNothing", [](BoardState& b) { hold(b, 4); }, center(4),
                 nothing, Nothing{Where::NotATopCard}},
        ClickRow{"NegativeCenterIndex_DoesNothing", [](BoardState& b) { hold(b, 4); },
                 center(-32768), nothing, Nothing{Where::NotATopCard}}),
    [](const testing::TestParamInfo<ClickRow>& info) { return info.param.name; });

TEST(ClickBeforeFirstDeal, SlotZeroTakesTheEmptyStackRouteAndLeavesNoCard) {
    BoardState board;  // the start-up state: kStartupCard everywhere, selectedFrom 0
    EXPECT_EQ(clickSideStack(board, 3, 0), ClickOutcome(Nothing{Where::EmptySideStack}));
    EXPECT_LT(cardNumber(board.sideStacks[3][0]), 0);
    EXPECT_EQ(board.selectedFrom, -1);

    EXPECT_EQ(clickSideStack(board, 5, 4), ClickOutcome(Nothing{Where::NotATopCard}));
    EXPECT_EQ(clickCenterStack(board, 2), ClickOutcome(Nothing{Where::CenterStack}));
    EXPECT_EQ(clickBackground(board), ClickOutcome(Nothing{Where::Background}));
    EXPECT_EQ(board.countSideStacks().cards, (std::array<int, 8>{}));
}

TEST(ClickOnFullStack, NeverWritesPastTheLastSlot) {
    // Eighteen cards cannot arise in play; a hand-built board must still stay in bounds.
    BoardState board = position({});
    for (std::size_t slot = 0; slot < kSlotsPerSideStack; ++slot) {
        board.sideStacks[2][slot] = Card{static_cast<int>(13 - slot % 12), 0};
    }
    board.sideStacks[6][0] = Card{7, 3};  // one lower than the top card of stack 2
    hold(board, 6);
    const BoardState before = board;
    clickSideStack(board, 2, 17);
    EXPECT_EQ(board.sideStacks, before.sideStacks);
}

}  // namespace

namespace {

struct DestinationsRow {
    std::string name;
    std::map<int, std::vector<std::string_view>> changes;  // side stacks replaced in the mid-game
    int from;                                              // the side stack the card tops
    std::vector<int> sideStacks;
    bool home;
};

void PrintTo(const DestinationsRow& row, std::ostream* out) {
    *out << row.name;
}

class DestinationsTest : public testing::TestWithParam<DestinationsRow> {};

// On the position of support/positions.h, with the row's changes.
TEST_P(DestinationsTest, AreWhereAClickWouldMoveTheCard) {
    const DestinationsRow& row = GetParam();
    BoardState board = midGamePosition();
    for (const auto& [stack, cards] : row.changes) {
        board.sideStacks[stack].fill(kNoCard);
        for (std::size_t slot = 0; slot < cards.size(); ++slot) {
            board.sideStacks[stack][slot] = card(cards[slot]);
        }
    }
    const Card moving = board.topCard(row.from);
    Destinations expected;
    for (int stack : row.sideStacks) {
        expected.sideStacks[stack] = true;
    }
    expected.home = row.home;
    const Destinations where = destinationsOf(board, moving);
    EXPECT_EQ(where, expected) << board;
    EXPECT_EQ(where.any(), !row.sideStacks.empty() || row.home);

    // Each destination is a move for the click there, and every other click moves nothing.
    for (int stack = 1; stack <= kSideStackCount; ++stack) {
        BoardState clicked = board;
        hold(clicked, row.from);
        const int item = std::max(clicked.countSideStacks().topSlot(stack), 0);
        EXPECT_EQ(std::holds_alternative<outcome::Moved>(clickSideStack(clicked, stack, item)),
                  where.sideStacks[stack])
            << "side stack " << stack;
    }
    BoardState clicked = board;
    hold(clicked, row.from);
    EXPECT_EQ(std::holds_alternative<outcome::Moved>(clickCenterStack(clicked, moving.suit)),
              where.home);
}

INSTANTIATE_TEST_SUITE_P(
    MidGame, DestinationsTest,
    testing::Values(DestinationsRow{"OntoACardOfAnotherSuitOrAnEmptyStack", {}, 2, {1, 3}, false},
                    DestinationsRow{"OntoACardAnEmptyStackOrHome", {}, 4, {3, 5}, true},
                    DestinationsRow{"OnlyAnEmptyStack", {}, 8, {3}, false},
                    DestinationsRow{"OnlyHome", {{3, {"KH"}}, {5, {"9D"}}}, 7, {}, true},
                    DestinationsRow{"Nowhere", {{3, {"KH"}}}, 8, {}, false},
                    DestinationsRow{
                        "OntoSeveralEmptyStacks", {{6, {}}, {7, {}}}, 5, {3, 6, 7}, false},
                    DestinationsRow{"AKingOnlyToAnEmptyStack", {{1, {"KS"}}}, 1, {3}, false},
                    DestinationsRow{"OntoTwoCards", {{3, {"JH"}}, {6, {"JS"}}}, 8, {3, 6}, false}),
    [](const testing::TestParamInfo<DestinationsRow>& info) { return info.param.name; });

TEST(Destinations, OfNoCardAreNone) {
    EXPECT_FALSE(destinationsOf(midGamePosition(), kNoCard).any());
    EXPECT_FALSE(destinationsOf(BoardState{}, kStartupCard).any());
}

}  // namespace
