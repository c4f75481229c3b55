#pragma once

#include <QAction>
#include <QString>
#include <QTest>
#include <algorithm>
#include <ostream>

#include "board/accessible_tree.h"
#include "board/board_window.h"
#include "board/places.h"
#include "game/board_state.h"

// Failing comparisons of texts show the texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// Plays a Board window as the mouse does, and shows what its card area holds.
class BoardClicks {
public:
    // The card area's accessible interface comes from board/accessible_tree.h, as in the program.
    BoardClicks(BoardWindow& window, BoardState& state) : window(&window), state(state) {
        accessibleTree::install();
    }

    CardArea& cardArea() { return window->cardArea(); }
    KeyboardCursor& cursor() { return *cardArea().findChild<KeyboardCursor*>(); }
    const platform::Image& sideItem(int stack, int item) {
        return cardArea().image(boardPlaces::placeOfSideStack(stack), item);
    }
    const platform::Image& centerItem(int suit) {
        return cardArea().image(boardPlaces::placeOfCenterStack(suit), 0);
    }
    const platform::Image& selectedBox() { return cardArea().selectedCard(); }
    QAction* menuItem(const char* name) { return window->findChild<QAction*>(name); }
    const QString& said() { return cardArea().announcement(); }

    // Clicks at a point of the client area through the window, as the mouse does, so that
    // the button and the label over the card area take their own clicks.
    void clickAt(QPoint point) {
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                          cardArea().mapTo(window, point));
    }
    void clickCenterOf(const platform::Image& image) { clickAt(image.geometry().center()); }
    // The item that a click on a side stack's top card reaches: the top card, shown whole, or
    // item 0 (the empty-stack picture) when the stack holds no card.
    const platform::Image& topOf(int stack) {
        return sideItem(stack, std::max(state.countSideStacks().topSlot(stack), 0));
    }
    void clickTopOf(int stack) { clickCenterOf(topOf(stack)); }
    void clickBackground() { clickAt(QPoint(200, 60)); }

    // Shows a hand-built position the way a player would see it after any click.
    void showPosition(const BoardState& position) {
        state = position;
        clickBackground();
    }

    BoardWindow* window;
    BoardState& state;
};
