#pragma once

#include <QRect>
#include <array>
#include <optional>

#include "board/announcer.h"
#include "board/keyboard_cursor.h"
#include "board/places.h"
#include "game/board_state.h"
#include "platform/image_canvas.h"
#include "platform/picture.h"

// The Board's card area: the "Selected Card" box with its heading, the four center stacks and
// eight fans of eighteen card images, which show the board and report clicks on them as
// signals. It holds the keyboard cursor that plays on it (board/keyboard_cursor.h) and the
// announcer that tells assistive technology what changed (board/announcer.h).
class CardArea final : public platform::ImageCanvas {
    Q_OBJECT

public:
    // The board and the pictures belong to the caller and outlive the card area.
    CardArea(const BoardState& board, platform::PictureCache& pictures, QWidget* parent = nullptr);

    const BoardState& board() const { return board_; }
    KeyboardCursor& cursor() { return cursor_; }
    const KeyboardCursor& cursor() const { return cursor_; }
    Announcer& announcer() { return announcer_; }
    const Announcer& announcer() const { return announcer_; }

    const platform::Image& selectedCard() const { return *selectedCard_; }
    const platform::Image& centerStack(int suit) const { return center(suit); }
    // Item `item` shows slot `item` of side stack `stack` (1..8).
    const platform::Image& sideStack(int stack, int item) const { return side(stack, item); }

    // Makes every card image show the board: the selection, the center stacks and every slot
    // of every side stack, then the empty-stack picture in item 0 of each empty side stack so
    // that it can still be clicked. The only code that changes the card images.
    void redraw();

    // Exactly a mouse click in the middle of the place's rectangle: on its top card, on its
    // empty-stack picture, or before the first deal on whatever lies there.
    void pressPlace(int place);
    // Exactly a mouse click on the background.
    void pressBackground();

    // In canvas pixels: the place's top card, its empty-stack picture or its center card.
    QRect placeRect(int place) const;
    // In canvas pixels, the part of a card of the place that is not covered (counted as
    // boardPlaces::cardAt counts).
    QRect cardRect(int place, int card) const;
    // What the topmost card image at the point shows, if any image lies there.
    std::optional<boardPlaces::Shown> shownAt(QPoint point) const;

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
    // Shows a card in the image (made visible first, then given the card's picture), or
    // hides the image for anything else, leaving its picture as it was.
    void showCard(Card card, platform::Image& image);
    // The images themselves, for redraw() alone.
    platform::Image& center(int suit) const {
        return *centerStacks_.at(static_cast<unsigned>(suit));
    }
    platform::Image& side(int stack, int item) const {
        return *sideStacks_[stack].at(static_cast<unsigned>(item));
    }

    const BoardState& board_;
    platform::PictureCache& pictures_;
    platform::Image* selectedCard_ = nullptr;
    std::array<platform::Image*, kSuitCount> centerStacks_{};
    BySideStack<std::array<platform::Image*, kSlotsPerSideStack>> sideStacks_{};
    KeyboardCursor cursor_;
    Announcer announcer_;
};
