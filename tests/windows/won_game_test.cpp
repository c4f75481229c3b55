#include "board/board_fixture.h"
#include "support/positions.h"
#include "windows/info_windows_fixture.h"

namespace {

// Stacks 1..4 each hold one suit from king (bottom) to two (top); the aces lie on the center
// stacks, so the whole game is won by moving each stack's top card to its suit's stack.
BoardState oneMoveAtATimeToWin() {
    BoardState board = position({});
    for (int suit = 0; suit < 4; ++suit) {
        for (int slot = 0; slot < 12; ++slot) {
            board.sideStack(suit + 1)[static_cast<std::size_t>(slot)] = Card{13 - slot, suit};
        }
    }
    return board;
}

class WonGameTest : public BoardWindowTest, public testing::WithParamInterface<InfoWindowId> {};

TEST_P(WonGameTest, EndOfGameWindowStaysHiddenWhenAllCardsReachTheCenter) {
    showPosition(oneMoveAtATimeToWin());
    for (int suit = 0; suit < 4; ++suit) {
        for (int move = 0; move < 12; ++move) {
            clickTopOf(suit + 1);
            clickCenterOf(centerItem(suit));
        }
    }
    for (int suit = 0; suit < 4; ++suit) {
        ASSERT_EQ(state.centerStacks[static_cast<std::size_t>(suit)].rank, 13) << suit;
    }
    QCoreApplication::processEvents();
    EXPECT_FALSE(program.window(GetParam()).isVisible());
    EXPECT_TRUE(window->isVisible());
}

INSTANTIATE_TEST_SUITE_P(EndOfGame, WonGameTest,
                         testing::Values(InfoWindowId::Win, InfoWindowId::GameOver));

}  // namespace
