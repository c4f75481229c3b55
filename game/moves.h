#pragma once

#include <cstdint>
#include <functional>

#include "game/modboard.h"
#include "game/modgame.h"

// What a click reports back once it has changed the board. The window wires these once;
// without a window RefreshBoard may stay empty.
struct BoardHooks {
    std::function<void()> RefreshBoard;
    std::function<void()> CheckGameEnd = modGame::CheckGameEnd;
};

// The three clicks that reach the model from the window. Each one takes one snapshot of
// the stack counts at its start, changes the board, then calls the hooks:
//
//   side-stack click, move          CheckGameEnd, RefreshBoard
//   side-stack click, anything else RefreshBoard
//   center-stack click              RefreshBoard, CheckGameEnd (moved or not)
//   background click                RefreshBoard
//
// Arguments outside what the window sends (stack 1..8 with index 0..17, center index
// 0..3) change nothing and call nothing.

// A click on item `index` of side stack `stack`: moves the held card there if that item
// is the top card and one higher, or if the stack is empty; otherwise a click on the top
// card selects it, and a click anywhere else changes nothing.
void SideStackClick(BoardState& board, std::int16_t stack, std::int16_t index,
                    const BoardHooks& hooks);

// A click on center stack `index`: moves the held card there if it is of that suit and
// one higher; the selection ends either way.
void CenterStackClick(BoardState& board, std::int16_t index, const BoardHooks& hooks);

// A click on the window background drops the selection.
void BackgroundClick(BoardState& board, const BoardHooks& hooks);
