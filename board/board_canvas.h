#pragma once

#include <QAccessible>
#include <QString>
#include <array>

#include "board/board_accessibility.h"
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
// middle of the place, and Escape clicks the background; S reads the cards of the place and B
// every place aloud, through a screen reader. A frame in the palette's highlight colour shows
// the cursor until the focus leaves or a mouse button goes down on the card area; without it
// the card area is exactly what the mouse player sees.
//
// It also tells assistive technology what changed (see board/board_accessibility.h): a Focus
// event for the place the cursor reaches, NameChanged for each place and card whose name
// changes, the cards that come and go, and what each deal or click did, which is spoken.
class BoardCanvas final : public platform::ImageCanvas {
    Q_OBJECT

public:
    // The board and the pictures belong to the caller and outlive the card area.
    BoardCanvas(const BoardState& board, platform::PictureCache& pictures,
                QWidget* parent = nullptr);

    // The key that reads the cards of the place under the cursor, as assistive technology
    // names it.
    static inline const QString kReadStackKeyName = QStringLiteral("S");

    const BoardState& board() const { return board_; }
    int cursor() const { return cursor_; }
    // What was last said of an action or asked to be read; screen readers speak it when told.
    const QString& announcement() const { return announcement_; }

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
    // In canvas pixels, the part of a card of the place that is not covered (see
    // spoken::cardName for how the cards of a place are counted).
    QRect cardRect(int place, int card) const;

    // When a screen reader hears what an action did: at once, or once a menu that the action
    // came from has closed and the focus is back where it was, which a screen reader says first
    // and would otherwise say instead.
    enum class Told { AtOnce, AfterMenu };

    // Show the board after a deal, or after a click that did `outcome`.
    void showDeal(Told told = Told::AtOnce);
    void showClick(const ClickOutcome& outcome);

signals:
    void sideStackClicked(int stack, int item);
    void centerStackClicked(int suit);
    void backgroundClicked();
    // Sent with each event that goes to assistive technology, also when none listens.
    void accessibleEvent(boardAccessibility::Target target, QAccessible::Event event);

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
    // Tells assistive technology what changed on the board and what the action did.
    void boardChanged(const QString& said, Told told = Told::AtOnce);
    void announce(const QString& text, Told told = Told::AtOnce);

    void showCursor(bool shown);
    QRect frameRect() const;
    // Follows the cursor's place to where its top card stands now.
    void refreshFrame();
    void announceFocus();
    void tell(boardAccessibility::Target target, QAccessible::Event event);

    const BoardState& board_;
    platform::PictureCache& pictures_;
    platform::Image* selectedCard_ = nullptr;
    std::array<platform::Image*, kSuitCount> centerStacks_{};
    std::array<std::array<platform::Image*, kSlotsPerSideStack>, kSideStackCount> sideStacks_{};

    int cursor_ = 0;
    bool cursorShown_ = false;
    QRect frame_;  // where the frame is drawn while it shows
    QString announcement_;
    // The names assistive technology last heard, to tell only what changes.
    QString selectedName_;
    std::array<QString, boardPlaces::kCount> placeNames_;
    std::array<QStringList, boardPlaces::kCount> cardNames_;
};
