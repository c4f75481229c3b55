#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <memory>

#include "board/board.h"
#include "game/printing.h"
#include "game/random_source.h"
#include "platform/form.h"
#include "platform/picture.h"
#include "resources/pictures.h"
#include "support/sources.h"
#include "windows/information_windows.h"

// The program as main() wires it, with its own board and a fixed random source; the Board
// window is loaded (and so shown) by each test.
class BoardWindowTest : public testing::Test {
protected:
    BoardWindowTest() {
        registerInformationWindows(forms);
        forms.registerForm(Board::kName, [this](platform::Forms& owner) {
            return std::make_unique<Board>(owner, state, random, pictures);
        });
        window = &forms.get<Board>(Board::kName);
    }

    platform::ImageCanvas& canvas() { return window->canvas(); }
    platform::Image& sideItem(int stack, int index) {
        return window->images().sideStack(stack).item(static_cast<std::int16_t>(index));
    }
    platform::Image& centerItem(int index) {
        return window->images().Stack1->item(static_cast<std::int16_t>(index));
    }
    platform::Image& selectedBox() { return *window->images().MovedCard1; }

    // Clicks at a point of the client area through the window, as the mouse does, so that
    // the button and the label over the canvas take their own clicks.
    void clickAt(QPoint point) {
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                          canvas().mapTo(window, point));
    }
    void clickCenterOf(const platform::Image& image) { clickAt(image.geometry().center()); }
    // The top card of a side stack is shown whole.
    void clickTopOf(int stack) {
        const int count = modBoard::CountSideStacks(state).of(stack);
        clickCenterOf(sideItem(stack, count > 0 ? count - 1 : 0));
    }
    void clickBackground() { clickAt(QPoint(200, 60)); }

    // Shows a hand-built position the way a player would see it after any click.
    void showPosition(const BoardState& position) {
        state = position;
        clickBackground();
    }

    BoardState state;
    ConstantSource random{0.0f};
    platform::PictureCache pictures{resources::cardPicturePath};
    platform::Forms forms;
    Board* window = nullptr;
};
