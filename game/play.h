#pragma once

#include <variant>

#include "game/board_state.h"

// What one click did, as the player sees it happen. Cards that are not there are kNoCard.
namespace outcome {

// A top card became the selection; `previous` is the card selected before (the same card
// when it was clicked again), or kNoCard, and `previousStack` the side stack it was selected
// on, or 0.
struct Selected {
    Card card;
    int stack = 0;
    Card previous;
    int previousStack = 0;
    friend bool operator==(const Selected&, const Selected&) = default;
};

enum class Destination { SideStack, EmptySideStack, CenterStack };

// The selected card moved: it left side stack `from`, whose top card is now `fromTop`
// (kNoCard when the stack is empty), and lies on `onto` at `to` number `target` (a side
// stack 1..8, or the suit of a center stack); `onto` is kNoCard on an empty side stack.
struct Moved {
    Card card;
    int from = 0;
    Card fromTop;
    Destination to = Destination::SideStack;
    int target = 0;
    Card onto;
    friend bool operator==(const Moved&, const Moved&) = default;
};

// The center stack of `suit` did not take the selected card, which stays on its side stack
// `from` and is no longer selected.
struct RefusedHome {
    Card card;
    int suit = 0;
    int from = 0;
    friend bool operator==(const RefusedHome&, const RefusedHome&) = default;
};

// A click on the background dropped the selection, which stays on its side stack `from`.
struct Dropped {
    Card card;
    int from = 0;
    friend bool operator==(const Dropped&, const Dropped&) = default;
};

// The click changed nothing a player can see.
struct Nothing {
    enum class Where {
        NotATopCard,     // a card below the top, a slot above it, or no place at all
        EmptySideStack,  // with nothing selected
        CenterStack,     // with nothing selected
        Background,      // with nothing selected
    };
    Where where = Where::NotATopCard;
    friend bool operator==(const Nothing&, const Nothing&) = default;
};

}  // namespace outcome

using ClickOutcome = std::variant<outcome::Nothing, outcome::Selected, outcome::Moved,
                                  outcome::RefusedHome, outcome::Dropped>;

// Where a card could go now, by the rules of the clicks below: onto each side stack whose top
// card is one rank higher (of any suit), onto each empty side stack, and home onto the center
// stack of its suit when the card is one rank higher than that stack's top card.
struct Destinations {
    BySideStack<bool> sideStacks{};
    bool home = false;
    bool any() const;
    friend bool operator==(const Destinations&, const Destinations&) = default;
};
Destinations destinationsOf(const BoardState& board, Card card);

// The three clicks that reach the game from the window. Each one changes the board and says
// what it did; the caller redraws. Arguments outside what the window sends (stack 1..8 with
// item 0..17, suit 0..3) change nothing. A rule about the end of the game (a win, a blocked
// position) would look at the board after a move; the game has none.

// A click on item `item` of side stack `stack`. Moves the held card there if the item is the
// top card and one rank higher (of any suit), or if the stack is empty (any card); otherwise
// a click on the top card selects it in place of any earlier selection, and a click anywhere
// else changes nothing.
ClickOutcome clickSideStack(BoardState& board, int stack, int item);

// A click on the center stack of `suit`. Moves the held card there if it is of that suit and
// one rank higher than the top card; the selection ends either way.
ClickOutcome clickCenterStack(BoardState& board, int suit);

// A click on the window background drops the selection.
ClickOutcome clickBackground(BoardState& board);
