#pragma once

#include <QMainWindow>

#include "board/card_area.h"
#include "game/board_state.h"
#include "platform/picture.h"

class QPushButton;
class RandomSource;

// The main window, where the game is played: the menu, the "New" button and the card area.
// Its handlers call the game, then have the card area show what the board holds now and tell
// what the action did. The Info and Exit commands are only announced: the
// program decides what they open or end.
class BoardWindow final : public QMainWindow {
    Q_OBJECT

public:
    // The board, the random source and the pictures belong to the caller and outlive the
    // window.
    BoardWindow(BoardState& board, RandomSource& random, platform::PictureCache& pictures);

    // "New" and File > New Game: deal, redraw and tell what happened. Public, as the handlers
    // below, for the benchmarks and tools/boardshot, which play without the event loop.
    void newGame(Announcer::When when = Announcer::When::AtOnce);
    // The card area's clicks.
    void onSideStackClicked(int stack, int item);
    void onCenterStackClicked(int suit);
    void onBackgroundClicked();

    // For the benchmarks, tools/boardshot and the tests.
    CardArea& cardArea() { return *cardArea_; }
    QPushButton& newButton() { return *newButton_; }

    // The first time the window is shown, its client area below the menu bar gets exactly
    // the designed size.
    void setVisible(bool visible) override;

signals:
    void rulesRequested();
    void aboutKetterlineRequested();
    void aboutDravonneRequested();
    void aboutAuthorRequested();
    void licenseRequested();
    // File > Exit, or the window closed through its close box.
    void exitRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void addControls();
    void addMenu();

    BoardState& board_;
    RandomSource& random_;

    CardArea* cardArea_ = nullptr;      // the client area; owned by the window
    QPushButton* newButton_ = nullptr;  // owned by the card area
    bool sized_ = false;
};
