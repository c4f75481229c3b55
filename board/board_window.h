#pragma once

#include <QMainWindow>
#include <array>

#include "game/play.h"
#include "platform/image_canvas.h"
#include "platform/picture.h"

class BoardCanvas;
class QLabel;
class QPushButton;
class RandomSource;

// The main window, where the game is played: the "New" button, the menu, the selected-card
// box, the four center stacks and eight fans of eighteen card images. Its handlers forward to
// the game and redraw; the window only shows what the board holds. The Info and Exit commands
// are only announced: the program decides what they open or end.
class BoardWindow final : public QMainWindow {
    Q_OBJECT

public:
    // The board, the random source and the pictures belong to the caller and outlive the
    // window.
    BoardWindow(BoardState& board, RandomSource& random, platform::PictureCache& pictures);

    // "New" and File > New Game: deal and redraw.
    void newGame();
    void onSideStackClicked(int stack, int item);
    void onCenterStackClicked(int suit);
    void onBackgroundClicked();

    platform::ImageCanvas& canvas();
    const BoardState& board() const { return board_; }
    platform::Image& selectedCard() { return *selectedCard_; }
    platform::Image& centerStack(int suit) {
        return *centerStacks_.at(static_cast<unsigned>(suit));
    }
    // Item `item` shows slot `item` of side stack `stack` (1..8).
    platform::Image& sideStack(int stack, int item) {
        return *sideStacks_.at(static_cast<unsigned>(stack - 1)).at(static_cast<unsigned>(item));
    }
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
    void addImages();
    void addMenu();
    // Makes every card image show the board: the selection, the center stacks and every
    // slot of every side stack, then the empty-stack picture in item 0 of each empty side
    // stack so that it can still be clicked. The only code that changes the card images.
    void redraw();
    // Shows a card in the image (made visible first, then given the card's picture), or
    // hides the image for anything else, leaving its picture as it was.
    void showCard(Card card, platform::Image& image);

    BoardState& board_;
    RandomSource& random_;
    platform::PictureCache& pictures_;
    PlayHooks hooks_;

    BoardCanvas* canvas_ = nullptr;  // the client area; owned by the window
    platform::Image* selectedCard_ = nullptr;
    std::array<platform::Image*, kSuitCount> centerStacks_{};
    std::array<std::array<platform::Image*, kSlotsPerSideStack>, kSideStackCount> sideStacks_{};
    QPushButton* newButton_ = nullptr;  // owned by the canvas
    bool sized_ = false;
};
