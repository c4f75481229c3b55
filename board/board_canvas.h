#pragma once

#include <QAccessible>
#include <QString>
#include <array>

#include "board/places.h"
#include "game/board_state.h"
#include "game/play.h"
#include "platform/image_canvas.h"
#include "platform/picture.h"

// The Board's card area: the "Selected Card" box with its heading, the four center stacks and
// eight fans of eighteen card images, which show the board and report clicks on them as
// signals. The keyboard can play on it too. It takes the focus only from Tab and Shift+Tab,
// never from a click. While it has the focus a cursor stands on one of the twelve places (see
// board/places.h): the arrow keys move it, Space, Return and Enter click what lies in the
// middle of the place, and Escape clicks the background. A frame in the palette's highlight
// colour shows the cursor until the focus leaves or a mouse button goes down on the card area;
// without it the card area is exactly what the mouse player sees.
//
// It also tells assistive technology what changed (see board/board_accessibility.h): a Focus
// event for the place the cursor reaches, NameChanged for each place whose name changes, and
// what each deal or click did as the description of the place under the cursor.
class BoardCanvas final : public platform::ImageCanvas {
    Q_OBJECT

public:
    // The board and the pictures belong to the caller and outlive the card area.
    BoardCanvas(const BoardState& board, platform::PictureCache& pictures,
                QWidget* parent = nullptr);

    const BoardState& board() const { return board_; }
    int cursor() const { return cursor_; }
    // What the last deal or click did, as it was told, until the cursor moves on.
    const QString& lastOutcome() const { return outcome_; }

    platform::Image& selectedCard() const { return *selectedCard_; }
    platform::Image& centerStack(int suit) const {
        return *centerStacks_.at(static_cast<unsigned>(suit));
    }
    // Item `item` shows slot `item` of side stack `stack` (1..8).
    platform::Image& sideStack(int stack, int item) const {
        return *sideStacks_.at(static_cast<unsigned>(stack - 1)).at(static_cast<unsigned>(item));
    }

    // Puts the cursor on a place; with the focus it shows there.
    void moveCursor(int place);
    // Exactly a mouse click in the middle of the place's rectangle: on its top card, on its
    // empty-stack picture, or before the first deal on whatever lies there.
    void pressPlace(int place);
    // In canvas pixels: the place's top card, its empty-stack picture or its center card.
    QRect placeRect(int place) const;

    // Show the board after a deal, or after a click that did `outcome`.
    void showDeal();
    void showClick(const ClickOutcome& outcome);

signals:
    void sideStackClicked(int stack, int item);
    void centerStackClicked(int suit);
    void backgroundClicked();
    // Sent with each event that goes to assistive technology, also when none listens; place
    // is boardAccessibility::kSelectedCardBox for the selected-card box.
    void accessibleEvent(int place, QAccessible::Event event);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void addImages();
    // A click on an image, or on the background for nullptr, as the mouse or a key made it.
    void click(const platform::Image* image);
    // Makes every card image show the board: the selection, the center stacks and every
    // slot of every side stack, then the empty-stack picture in item 0 of each empty side
    // stack so that it can still be clicked. The only code that changes the card images.
    void redraw();
    // Shows a card in the image (made visible first, then given the card's picture), or
    // hides the image for anything else, leaving its picture as it was.
    void showCard(Card card, platform::Image& image);
    void boardChanged(const QString& outcome);

    void showCursor(bool shown);
    QRect frameRect() const;
    // Follows the cursor's place to where its top card stands now.
    void refreshFrame();
    void announceFocus();
    void tell(int place, QAccessible::Event event);

    const BoardState& board_;
    platform::PictureCache& pictures_;
    platform::Image* selectedCard_ = nullptr;
    std::array<platform::Image*, kSuitCount> centerStacks_{};
    std::array<std::array<platform::Image*, kSlotsPerSideStack>, kSideStackCount> sideStacks_{};

    int cursor_ = 0;
    bool cursorShown_ = false;
    QRect frame_;  // where the frame is drawn while it shows
    QString outcome_;
    // The names assistive technology last heard, to tell only the ones that change.
    QString selectedName_;
    std::array<QString, boardPlaces::kCount> placeNames_;
};
