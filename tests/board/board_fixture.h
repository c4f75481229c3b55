#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QTest>

#include "program.h"
#include "support/printing.h"
#include "support/sources.h"

// Failing comparisons of texts show the texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// The program as main() wires it, with its own board and a source that always draws the
// smallest card left, started: the Board shown, the information windows made hidden.
class BoardWindowTest : public testing::Test {
public:
    BoardWindowTest() { program.start(); }

    BoardCanvas& canvas() { return window->canvas(); }
    platform::Image& sideItem(int stack, int item) { return canvas().sideStack(stack, item); }
    platform::Image& centerItem(int suit) { return canvas().centerStack(suit); }
    platform::Image& selectedBox() { return canvas().selectedCard(); }
    QAction* menuItem(const char* name) { return window->findChild<QAction*>(name); }

    // Clicks at a point of the client area through the window, as the mouse does, so that
    // the button and the label over the canvas take their own clicks.
    void clickAt(QPoint point) {
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                          canvas().mapTo(window, point));
    }
    void clickCenterOf(const platform::Image& image) { clickAt(image.geometry().center()); }
    // The top card of a side stack is shown whole.
    void clickTopOf(int stack) {
        const int count = state.countSideStacks().of(stack);
        clickCenterOf(sideItem(stack, count > 0 ? count - 1 : 0));
    }
    void clickBackground() { clickAt(QPoint(200, 60)); }

    // Shows a hand-built position the way a player would see it after any click.
    void showPosition(const BoardState& position) {
        state = position;
        clickBackground();
    }

    ConstantSource random{0.0f};
    Program program{random};
    BoardState& state = program.state;
    BoardWindow* window = &program.boardWindow();
};
