#pragma once

#include <functional>

#include "game/board_state.h"

// The game never detects a won or blocked position: this hook runs after moves and does
// nothing, so that such a rule has one place to live.
void checkGameEnd();

// What a player's click reports back once it has changed the board. The window wires them
// once; without a window `redraw` may stay empty.
struct PlayHooks {
    std::function<void()> redraw;
    std::function<void()> checkGameEnd = ::checkGameEnd;
};

// The three clicks that reach the game from the window. Each one changes the board first,
// then calls the hooks:
//
//   side-stack click, move            checkGameEnd, redraw
//   side-stack click, anything else   redraw
//   center-stack click, moved or not  redraw, checkGameEnd
//   background click                  redraw
//
// Arguments outside what the window sends (stack 1..8 with item 0..17, suit 0..3) change
// nothing and call nothing.

// A click on item `item` of side stack `stack`. Moves the held card there if the item is the
// top card and one rank higher (of any suit), or if the stack is empty (any card); otherwise
// a click on the top card selects it in place of any earlier selection, and a click anywhere
// else changes nothing.
void clickSideStack(BoardState& board, int stack, int item, const PlayHooks& hooks);

// A click on the center stack of `suit`. Moves the held card there if it is of that suit and
// one rank higher than the top card; the selection ends either way.
void clickCenterStack(BoardState& board, int suit, const PlayHooks& hooks);

// A click on the window background drops the selection.
void clickBackground(BoardState& board, const PlayHooks& hooks);
