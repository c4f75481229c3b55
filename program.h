#pragma once

#include <QPointer>
#include <array>
#include <memory>

#include "board/board_window.h"
#include "game/board_state.h"
#include "platform/picture.h"
#include "windows/info_windows.h"

class RandomSource;

// The program as it is wired together: the one board, the pictures, the Board window and the
// eight information windows. main() makes one with the clock as random source; tests, tools
// and benchmarks make their own with a source of their choosing.
//
// Each information window has one instance at a time, made hidden on first use. Showing it
// is modeless and without an owner; its OK button hides it and keeps its state. Closed
// through its close box it is destroyed once control is back in the event loop, and the next
// use makes it afresh, so it comes back as it was made.
class Program {
public:
    // The random source belongs to the caller and outlives the program.
    explicit Program(RandomSource& random);
    ~Program();

    // Gives every window the program's icon, then makes the information windows hidden and
    // shows the Board between them, in the order the program has always started in. Nothing is
    // dealt or drawn: the board keeps its start-up state until "New".
    void start();

    BoardWindow& boardWindow() { return *boardWindow_; }
    // The window, made hidden first if it does not exist.
    InfoWindow& window(InfoWindowId id);
    // Makes the window visible and in front, and returns at once.
    void show(InfoWindowId id);

    // Ends the program at once: leaves the event loop and takes every window off the screen.
    // No other window's close handling runs.
    void end();

    // The start-up state (kStartupCard everywhere) until the first deal; public for
    // tools/boardshot and the benchmarks, which set and read positions.
    BoardState state;
    platform::PictureCache pictures;

private:
    std::unique_ptr<BoardWindow> boardWindow_;
    // Top-level windows without a parent: each deletes itself when closed through its close box
    // (Qt::WA_DeleteOnClose), and the program deletes those left when it goes.
    std::array<QPointer<InfoWindow>, kInfoWindowCount> windows_;
    bool ended_ = false;  // once ended, no window shows again
};
