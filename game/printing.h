#pragma once

#include <iosfwd>

#include "game/modboard.h"

// Readable forms for failing tests: "7H", "10D", "AS", "--" for the empty card, "00" for
// the zero card, "?(v,s)" for anything else.
std::ostream& operator<<(std::ostream& out, const Card& card);

// One line per side stack (bottom card first), then the center stacks and the selection.
std::ostream& operator<<(std::ostream& out, const BoardState& board);
