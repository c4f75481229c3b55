#include "board/board_fixture.h"
#include "support/positions.h"

namespace {

// Stacks 1..4 each hold one suit from king (bottom) to two (top); the aces lie on the center
// stacks, so the whole game is won by moving each stack's top card to its suit's stack.
BoardState oneMoveAtATimeToWin() {
    BoardState board = position({});
    for (std::int16_t suit = 0; suit < 4; ++suit) {
        for (std::int16_t slot = 0; slot < 12; ++slot) {
            board.sideStack(suit + 1)[static_cast<std::size_t>(slot)] =
                Card{static_cast<std::int16_t>(13 - slot), suit};
        }
    }
    return board;
}

class WonGameTest : public BoardWindowTest, public testing::WithParamInterface<const char*> {};

TEST_P(WonGameTest, EndOfGameWindowStaysHiddenWhenAllCardsReachTheCenter) {
    showPosition(oneMoveAtATimeToWin());
    for (int suit = 0; suit < 4; ++suit) {
        for (int move = 0; move < 12; ++move) {
            clickTopOf(suit + 1);
            clickCenterOf(centerItem(suit));
        }
    }
    for (int suit = 0; suit < 4; ++suit) {
        ASSERT_EQ(state.CenterStack[static_cast<std::size_t>(suit)].Value, 13) << suit;
    }
    QCoreApplication::processEvents();
    ASSERT_TRUE(forms.isLoaded(GetParam()));
    EXPECT_FALSE(forms.get(GetParam()).isVisible());
    EXPECT_TRUE(window->isVisible());
}

INSTANTIATE_TEST_SUITE_P(EndOfGame, WonGameTest, testing::Values("Win", "GameOver"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
