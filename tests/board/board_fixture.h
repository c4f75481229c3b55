#pragma once

#include <gtest/gtest.h>

#include "board/board_window.h"
#include "platform/picture.h"
#include "resources/pictures.h"
#include "support/board_clicks.h"
#include "support/printing.h"
#include "support/sources.h"

// A Board window of its own, as the program makes it, shown, with a source that always draws
// the smallest card left.
struct OwnBoard {
    ConstantSource random{0.0f};
    BoardState board;
    platform::PictureCache pictures{resources::cardPicturePath, resources::doubleSizePath};
    BoardWindow boardWindow{board, random, pictures};
};

class BoardWindowTest : public testing::Test, protected OwnBoard, public BoardClicks {
public:
    BoardWindowTest() : BoardClicks(boardWindow, board) { boardWindow.show(); }
};
