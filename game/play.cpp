#include "game/play.h"

#include <cstddef>

void checkGameEnd() {}

namespace {

void call(const std::function<void()>& hook) {
    if (hook) {
        hook();
    }
}

void dropSelection(BoardState& board) {
    board.selectedCard = kNoCard;
    board.selectedFrom = -1;
}

// Empties the top slot of the stack the held card came from. selectedFrom -1 (nothing held)
// or 0 (before the first selection) names no stack, and nothing is cleared.
void takeFromSource(BoardState& board, const StackCounts& counts) {
    const int source = board.selectedFrom;
    if (!isSideStack(source) || counts.of(source) == 0) {
        return;
    }
    board.sideStack(source)[static_cast<std::size_t>(counts.of(source) - 1)] = kNoCard;
}

}  // namespace

void clickSideStack(BoardState& board, int stack, int item, const PlayHooks& hooks) {
    if (!isSideStack(stack) || item < 0 || item >= kSlotsPerSideStack) {
        return;
    }
    const StackCounts counts = board.countSideStacks();
    const int count = counts.of(stack);
    SideStack& slots = board.sideStack(stack);
    const Card clicked = slots[static_cast<std::size_t>(item)];
    const bool isTop = item == count - 1;

    const bool ontoEmptyStack = item == 0 && count == 0;
    const bool ontoOneHigher = isTop && board.selectedCard.rank + 1 == clicked.rank;
    // A stack already full to its last slot takes nothing more. Play never gets there (a
    // stack holds at most 17 cards); the test keeps a hand-built board in bounds.
    const bool hasRoom = count < kSlotsPerSideStack;

    if ((ontoOneHigher || ontoEmptyStack) && hasRoom) {
        slots[static_cast<std::size_t>(count)] = board.selectedCard;
        takeFromSource(board, counts);
        dropSelection(board);
        call(hooks.checkGameEnd);
        call(hooks.redraw);
        return;
    }
    if (isTop) {
        board.selectedCard = clicked;
        board.selectedFrom = stack;
    }
    call(hooks.redraw);
}

void clickCenterStack(BoardState& board, int suit, const PlayHooks& hooks) {
    if (suit < 0 || suit >= kSuitCount) {
        return;
    }
    const StackCounts counts = board.countSideStacks();
    Card& top = board.centerStacks[static_cast<std::size_t>(suit)];
    if (board.selectedCard.rank - 1 == top.rank && board.selectedCard.suit == suit) {
        top = board.selectedCard;
        takeFromSource(board, counts);
    }
    dropSelection(board);
    call(hooks.redraw);
    call(hooks.checkGameEnd);
}

void clickBackground(BoardState& board, const PlayHooks& hooks) {
    dropSelection(board);
    call(hooks.redraw);
}
