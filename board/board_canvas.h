#pragma once

#include <QAccessible>
#include <QString>
#include <array>

#include "board/places.h"
#include "game/board_state.h"
#include "platform/image_canvas.h"

class BoardWindow;

// The Board's card area: the canvas of card images, which the keyboard can also play on.
// It takes the focus only from Tab and Shift+Tab, never from a click. While it has the focus a
// cursor stands on one of the twelve places (see board/places.h): the arrow keys move it,
// Space, Return and Enter click the place's top card, and Escape clicks the background, each
// through the window's own click handler. A frame in the palette's highlight colour shows the
// cursor until the focus leaves or a mouse button goes down on the card area; without it the
// card area is exactly what the mouse player sees.
//
// It also tells assistive technology what changed (see board/board_accessibility.h): a Focus
// event for the place the cursor reaches, NameChanged for each place whose name changes, and
// what each deal or click did as the description of the place under the cursor.
class BoardCanvas final : public platform::ImageCanvas {
    Q_OBJECT

public:
    explicit BoardCanvas(BoardWindow& window);

    BoardWindow& boardWindow() const { return window_; }
    int cursor() const { return cursor_; }
    bool showsCursor() const { return cursorShown_; }
    // What the last deal or click did, as it was told, until the cursor moves on.
    const QString& lastOutcome() const { return outcome_; }

    // Puts the cursor on a place; with the focus it shows there.
    void moveCursor(int place);
    // Exactly a mouse click in the middle of the place's rectangle: on its top card, on its
    // empty-stack picture, or before the first deal on whatever lies there.
    void pressPlace(int place);
    // The place a card image belongs to, and its item (0 on a center stack); -1 for the
    // selected-card box and for no image.
    int placeOf(const platform::Image* image, int* item = nullptr) const;
    // In canvas pixels: the place's top card, its empty-stack picture or its center card.
    QRect placeRect(int place) const;

    // The window calls this after every deal and click, once the board is redrawn.
    void boardChanged(bool dealt);

signals:
    // Sent with each event that goes to assistive technology, also when none listens.
    void accessibleEvent(int entry, QAccessible::Event event);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void showCursor(bool shown);
    QRect frameRect() const;
    // Follows the cursor's place to where its top card stands now.
    void refreshFrame();
    void announceFocus();
    void tell(int entry, QAccessible::Event event);
    // The accessible names of the selected-card box and the twelve places, in that order.
    std::array<QString, boardPlaces::kCount + 1> accessibleNames() const;

    BoardWindow& window_;
    int cursor_ = 0;
    bool cursorShown_ = false;
    QRect frame_;  // where the frame is drawn while it shows
    QString outcome_;
    BoardState before_;  // the board as the last change left it
    std::array<QString, boardPlaces::kCount + 1> names_;
};
