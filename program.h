#pragma once

#include "board/board.h"
#include "game/modboard.h"
#include "platform/form.h"
#include "platform/picture.h"

class RandomSource;

// The program as it is wired together: the one board, the pictures and every window under
// its name. main() makes one with the clock as random source; tests, tools and benchmarks
// make their own with a source of their choosing.
class Program {
public:
    // The random source belongs to the caller and outlives the program.
    explicit Program(RandomSource& random);

    // Creates the Board window, whose load creates the other windows and shows the Board.
    Board& start();

    BoardState state;  // the start state (zero cards) until the first deal
    platform::PictureCache pictures;
    platform::Forms forms;
};
