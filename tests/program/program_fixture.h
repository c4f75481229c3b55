#pragma once

#include <gtest/gtest.h>

#include "program.h"
#include "support/board_clicks.h"
#include "support/printing.h"
#include "support/sources.h"

// The program as main() wires it, with a source that always draws the smallest card left.
struct OwnProgram {
    ConstantSource random{0.0f};
    Program program{random};
};

// The program started: the Board shown, the information windows made hidden.
class ProgramTest : public testing::Test, protected OwnProgram, public BoardClicks {
public:
    ProgramTest() : BoardClicks(program.boardWindow(), program.state) { program.start(); }
};
