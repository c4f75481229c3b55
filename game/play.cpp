#include "game/play.h"

#include <algorithm>
#include <cstddef>

namespace {

using outcome::Nothing;

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
    board.card(source, counts.topSlot(source)) = kNoCard;
}

// Moves the held card onto `to` number `target` once the card is in place there: empties its
// source slot and ends the selection.
ClickOutcome finishMove(BoardState& board, const StackCounts& counts, outcome::Destination to,
                        int target, Card onto) {
    const Card card = board.selectedCard;
    const int from = board.selectedFrom;
    takeFromSource(board, counts);
    dropSelection(board);
    return outcome::Moved{card, from,   isSideStack(from) ? board.topCard(from) : kNoCard,
                          to,   target, onto};
}

// Whether side stack `stack` takes `card` on top: onto a card one rank higher, or onto no card
// at all. A stack already full to its last slot takes nothing more. Play never gets there (a
// stack holds at most 17 cards); the tests keep a hand-built board in bounds.
bool sideStackTakes(const BoardState& board, const StackCounts& counts, int stack, Card card) {
    const int count = counts.of(stack);
    return count < kSlotsPerSideStack &&
           (count == 0 || card.rank + 1 == board.card(stack, counts.topSlot(stack)).rank);
}

bool centerStackTakes(const BoardState& board, int suit, Card card) {
    return card.rank - 1 == board.centerStack(suit).rank && card.suit == suit;
}

}  // namespace

bool Destinations::any() const {
    return home || std::find(sideStacks.begin(), sideStacks.end(), true) != sideStacks.end();
}

Destinations destinationsOf(const BoardState& board, Card card) {
    Destinations where;
    if (!card.isCard()) {
        return where;
    }
    const StackCounts counts = board.countSideStacks();
    for (int stack = 1; stack <= kSideStackCount; ++stack) {
        where.sideStacks[stack] = sideStackTakes(board, counts, stack, card);
    }
    where.home = centerStackTakes(board, card.suit, card);
    return where;
}

ClickOutcome clickSideStack(BoardState& board, int stack, int item) {
    if (!isSideStack(stack) || item < 0 || item >= kSlotsPerSideStack) {
        return Nothing{Nothing::Where::NotATopCard};
    }
    const StackCounts counts = board.countSideStacks();
    const int count = counts.of(stack);
    const Card clicked = board.card(stack, item);
    const bool isTop = item == counts.topSlot(stack);

    const bool ontoEmptyStack = item == 0 && count == 0;

    if ((isTop || ontoEmptyStack) && sideStackTakes(board, counts, stack, board.selectedCard)) {
        // With nothing held, the empty stack takes the empty selection: nothing moves.
        const bool holding = board.selectedCard.isCard();
        board.card(stack, count) = board.selectedCard;
        const ClickOutcome moved = finishMove(
            board, counts,
            ontoEmptyStack ? outcome::Destination::EmptySideStack : outcome::Destination::SideStack,
            stack, ontoEmptyStack ? kNoCard : clicked);
        return holding ? moved : Nothing{Nothing::Where::EmptySideStack};
    }
    if (isTop) {
        const bool held = board.selectedCard.isCard();
        const outcome::Selected selected{clicked, stack, held ? board.selectedCard : kNoCard,
                                         held ? board.selectedFrom : 0};
        board.selectedCard = clicked;
        board.selectedFrom = stack;
        return selected;
    }
    return Nothing{Nothing::Where::NotATopCard};
}

ClickOutcome clickCenterStack(BoardState& board, int suit) {
    if (suit < 0 || suit >= kSuitCount) {
        return Nothing{Nothing::Where::NotATopCard};
    }
    const StackCounts counts = board.countSideStacks();
    Card& top = board.centerStack(suit);
    const Card held = board.selectedCard;
    const int from = board.selectedFrom;
    if (centerStackTakes(board, suit, held)) {
        const Card beneath = top;
        top = held;
        return finishMove(board, counts, outcome::Destination::CenterStack, suit, beneath);
    }
    dropSelection(board);
    if (held.isCard()) {
        return outcome::RefusedHome{held, suit, from};
    }
    return Nothing{Nothing::Where::CenterStack};
}

ClickOutcome clickBackground(BoardState& board) {
    const Card held = board.selectedCard;
    const int from = board.selectedFrom;
    dropSelection(board);
    if (held.isCard()) {
        return outcome::Dropped{held, from};
    }
    return Nothing{Nothing::Where::Background};
}
