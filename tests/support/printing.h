#pragma once

#include <iosfwd>

#include "game/board_state.h"
#include "game/play.h"

// Readable forms for failing tests: "7H", "10D", "AS", "--" for kNoCard, "00" for
// kStartupCard, "?(rank,suit)" for anything else.
std::ostream& operator<<(std::ostream& out, const Card& card);

// One line per side stack (bottom card first), then the center stacks and the selection.
std::ostream& operator<<(std::ostream& out, const BoardState& board);

// "selected 7H from 2 (before: --)", "moved 7H from 2 (now 5D) onto 8C at side stack 1", ...
std::ostream& operator<<(std::ostream& out, const outcome::Selected& selected);
std::ostream& operator<<(std::ostream& out, const outcome::Moved& moved);
std::ostream& operator<<(std::ostream& out, const outcome::RefusedHome& refused);
std::ostream& operator<<(std::ostream& out, const outcome::Dropped& dropped);
std::ostream& operator<<(std::ostream& out, const outcome::Nothing& nothing);
std::ostream& operator<<(std::ostream& out, const ClickOutcome& outcome);
