#pragma once

#include <QRect>
#include <array>
#include <optional>

#include "board/announcer.h"
#include "board/keyboard_cursor.h"
#include "board/places.h"
#include "game/board_state.h"
#include "game/play.h"
#include "platform/image_canvas.h"
#include "platform/picture.h"

// The Board's card area: the "Selected Card" box with its heading, the four center stacks and
// eight fans of eighteen card images, which show the board and report clicks on them as
// signals. It is the one owner of what the keyboard cursor (board/keyboard_cursor.h) and
// assistive technology (board/accessible_tree.cpp) ask for, and has its announcer
// (board/announcer.h) tell what each action did.
class CardArea final : public platform::ImageCanvas {
    Q_OBJECT

public:
    // The board and the pictures belong to the caller and outlive the card area.
    CardArea(const BoardState& board, platform::PictureCache& pictures, QWidget* parent = nullptr);

    // Shows the board after a deal or a click: the images, the cursor's frame where the top
    // cards now stand, and what the action did, told to assistive technology.
    void showDeal(const Dealt& dealt, Announcer::When when);
    void showClick(const ClickOutcome& outcome);

    // Does an action at a place, for the keys and for assistive technology alike. Press is
    // exactly a mouse click in the middle of the place's rectangle: on its top card, on its
    // empty-stack picture, or before the first deal on whatever lies there.
    void act(CardAction action, int place);

    // What assistive technology reads.
    const BoardState& board() const { return board_; }
    int cursorPlace() const { return cursor_->place(); }
    const QString& announcement() const { return announcer_.current(); }
    // In canvas pixels: the place's top card, its empty-stack picture or its center card.
    QRect placeRect(int place) const;
    // In canvas pixels, the part of a card of the place that is not covered (counted as
    // boardPlaces::cardAt counts).
    QRect cardRect(int place, int card) const;
    // What the topmost card image at the point shows, if any image lies there.
    std::optional<boardPlaces::Shown> shownAt(QPoint point) const;

    // The images, also for the benchmarks. Item `item` of a side stack's place shows slot `item`
    // of the stack; a center stack's place has item 0 alone.
    const platform::Image& selectedCard() const { return *selectedCard_; }
    const platform::Image& image(int place, int item) const;

signals:
    void sideStackClicked(int stack, int item);
    void centerStackClicked(int suit);
    void backgroundClicked();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void addImages();
    // A click on an image, or on the background for nullptr, as the mouse or a key made it.
    void click(const platform::Image* image);
    // Takes the cursor to the place and presses there; the click's announcement tells the focus.
    void pressThere(int place);
    // Makes every card image show the board: the selection, the center stacks and every slot
    // of every side stack, with the empty-stack picture in item 0 of an empty side stack so
    // that it can still be clicked. The only code that changes the card images.
    void redraw();
    // Shows a card in the image (made visible first, then given the card's picture), or
    // hides the image for anything else, leaving its picture as it was.
    void showCard(Card card, platform::Image& image);
    // Repaints the cursor's frame where it was and where it is now, if it shows.
    void followCursor();
    // The card area's accessible interface while assistive technology listens.
    AnnouncementSink* listener();

    const BoardState& board_;
    platform::PictureCache& pictures_;
    platform::Image* selectedCard_ = nullptr;
    std::array<platform::Image*, kSuitCount> centerStacks_{};
    BySideStack<std::array<platform::Image*, kSlotsPerSideStack>> sideStacks_{};
    KeyboardCursor* cursor_;  // a child
    QRect frame_;             // where the frame is drawn; empty while it does not show
    Announcer announcer_;
};
