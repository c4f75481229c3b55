#pragma once

#include <iosfwd>

#include "game/board_state.h"

// Readable forms for failing tests: "7H", "10D", "AS", "--" for kNoCard, "00" for
// kStartupCard, "?(rank,suit)" for anything else.
std::ostream& operator<<(std::ostream& out, const Card& card);

// One line per side stack (bottom card first), then the center stacks and the selection.
std::ostream& operator<<(std::ostream& out, const BoardState& board);
