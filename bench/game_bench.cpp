// The cost of a deal (six reseeds of the clock source included) and of each kind of click.
#include <benchmark/benchmark.h>

#include "game/board_state.h"
#include "game/play.h"
#include "game/random_source.h"

namespace {

void BM_DealNewGame(benchmark::State& state) {
    ClockRandomSource random;
    BoardState board;
    for (auto _ : state) {
        dealNewGame(board, random);
        benchmark::DoNotOptimize(board);
    }
}
BENCHMARK(BM_DealNewGame);

BoardState dealtBoard() {
    ClockRandomSource random;
    BoardState board;
    dealNewGame(board, random);
    return board;
}

// Selecting a top card: the commonest click.
void BM_SideStackClick(benchmark::State& state) {
    BoardState board = dealtBoard();
    for (auto _ : state) {
        clickSideStack(board, 3, 5);
        benchmark::DoNotOptimize(board);
    }
}
BENCHMARK(BM_SideStackClick);

// A refused center move after a selection; both clicks count the stacks.
void BM_CenterStackClick(benchmark::State& state) {
    BoardState board = dealtBoard();
    for (auto _ : state) {
        board.selectedCard = board.sideStacks[3][5];
        board.selectedFrom = 3;
        clickCenterStack(board, 0);
        benchmark::DoNotOptimize(board);
    }
}
BENCHMARK(BM_CenterStackClick);

void BM_BackgroundClick(benchmark::State& state) {
    BoardState board = dealtBoard();
    for (auto _ : state) {
        clickBackground(board);
        benchmark::DoNotOptimize(board);
    }
}
BENCHMARK(BM_BackgroundClick);

}  // namespace
