#include "game/moves.h"

#include <cstddef>

namespace {

void call(const std::function<void()>& hook) {
    if (hook) {
        hook();
    }
}

void endSelection(BoardState& board) {
    board.SelectedCard = kEmptyCard;
    board.SelectedFrom = -1;
}

// Empties the top slot of the stack the held card came from. SelectedFrom -1 (nothing
// held) or 0 (before the first selection) names no stack, and nothing is cleared.
void clearSource(BoardState& board, const StackCounts& counts) {
    const int source = board.SelectedFrom;
    if (!isSideStackNumber(source) || counts.of(source) == 0) {
        return;
    }
    board.sideStack(source)[static_cast<std::size_t>(counts.of(source) - 1)] = kEmptyCard;
}

}  // namespace

void SideStackClick(BoardState& board, std::int16_t stack, std::int16_t index,
                    const BoardHooks& hooks) {
    if (!isSideStackNumber(stack) || index < 0 || index >= kSlotsPerSideStack) {
        return;
    }
    const StackCounts counts = modBoard::CountSideStacks(board);
    const int count = counts.of(stack);
    SideStackSlots& slots = board.sideStack(stack);
    const Card clicked = slots[static_cast<std::size_t>(index)];

    const bool emptyStack = index == 0 && count == 0;
    const bool ontoTopCard = board.SelectedCard.Value + 1 == clicked.Value && index == count - 1;
    // A stack that is already full to its last slot takes nothing more. Play never gets
    // there (a stack holds at most 17 cards); the test keeps a hand-built board in bounds.
    const bool hasRoom = count < kSlotsPerSideStack;

    if ((ontoTopCard || emptyStack) && hasRoom) {
        slots[static_cast<std::size_t>(count)] = board.SelectedCard;
        clearSource(board, counts);
        endSelection(board);
        call(hooks.CheckGameEnd);
        call(hooks.RefreshBoard);
        return;
    }
    if (index == count - 1) {
        board.SelectedCard = clicked;
        board.SelectedFrom = stack;
    }
    call(hooks.RefreshBoard);
}

void CenterStackClick(BoardState& board, std::int16_t index, const BoardHooks& hooks) {
    if (index < 0 || index >= kCenterStackCount) {
        return;
    }
    const StackCounts counts = modBoard::CountSideStacks(board);
    Card& top = board.CenterStack[static_cast<std::size_t>(index)];
    if (board.SelectedCard.Value - 1 == top.Value && board.SelectedCard.Suit == index) {
        top = board.SelectedCard;
        clearSource(board, counts);
    }
    endSelection(board);
    call(hooks.RefreshBoard);
    call(hooks.CheckGameEnd);
}

void BackgroundClick(BoardState& board, const BoardHooks& hooks) {
    endSelection(board);
    call(hooks.RefreshBoard);
}
