#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "board_fixture.h"
#include "platform/fixed_label.h"
#include "resources/pictures.h"
#include "support/positions.h"
#include "support/texts.h"

namespace {

using resources::kEmptyStackPicture;

int pictureOf(const BoardState& state, int stack, int slot) {
    return resources::cardPicture(
        cardNumber(state.sideStacks[stack][static_cast<std::size_t>(slot)]));
}

TEST_F(BoardWindowTest, StartsShownWithNoCardAndTheFirstClickShowsEmptyStacks) {
    EXPECT_TRUE(window->isVisible());
    for (int n = 1; n <= 8; ++n) {
        for (int i = 0; i < 18; ++i) {
            EXPECT_EQ(sideItem(n, i).picture().id, 0);
        }
    }
    EXPECT_EQ(selectedBox().picture().id, 0);

    clickBackground();

    EXPECT_FALSE(selectedBox().visible());
    for (int k = 0; k < 4; ++k) {
        EXPECT_FALSE(centerItem(k).visible());
    }
    for (int n = 1; n <= 8; ++n) {
        EXPECT_TRUE(sideItem(n, 0).visible());
        EXPECT_EQ(sideItem(n, 0).picture().id, kEmptyStackPicture);
        for (int i = 1; i < 18; ++i) {
            EXPECT_FALSE(sideItem(n, i).visible()) << "Card" << n << " item " << i;
        }
    }
}

TEST_F(BoardWindowTest, NewButtonDealsAndShowsTheFullBoard) {
    clickAt(window->newButton().geometry().center());

    EXPECT_FALSE(selectedBox().visible());
    const int aces[] = {101, 114, 127, 140};
    for (int k = 0; k < 4; ++k) {
        EXPECT_TRUE(centerItem(k).visible());
        EXPECT_EQ(centerItem(k).picture().id, aces[k]);
    }
    // The fixed source always takes the smallest card left: stack 5 gets 2, 10, 19, 28...
    EXPECT_EQ(sideItem(5, 0).picture().id, 102);
    EXPECT_EQ(sideItem(5, 5).picture().id, 145);
    EXPECT_EQ(sideItem(4, 5).picture().id, 152);
    for (int n = 1; n <= 8; ++n) {
        for (int i = 0; i < 18; ++i) {
            EXPECT_EQ(sideItem(n, i).visible(), i < 6) << "Card" << n << " item " << i;
            if (i < 6) {
                EXPECT_EQ(sideItem(n, i).picture().id, pictureOf(state, n, i));
                EXPECT_EQ(sideItem(n, i).geometry().size(), QSize(79, 97));
            }
        }
    }
}

TEST_F(BoardWindowTest, SelectedCardShowsInTheBoxAndStaysOnItsStack) {
    showPosition(midGamePosition());
    clickTopOf(2);  // 7H

    EXPECT_TRUE(selectedBox().visible());
    EXPECT_EQ(selectedBox().picture().id, 100 + 13 + 7);
    EXPECT_TRUE(sideItem(2, 1).visible());
    EXPECT_EQ(sideItem(2, 1).picture().id, 100 + 13 + 7);
}

TEST_F(BoardWindowTest, MovesOntoSideCenterAndEmptyStacks) {
    showPosition(midGamePosition());

    clickTopOf(2);  // 7H onto 8C
    clickTopOf(1);
    EXPECT_EQ(sideItem(1, 3).picture().id, 100 + 13 + 7);
    EXPECT_TRUE(sideItem(1, 3).visible());
    EXPECT_FALSE(sideItem(2, 1).visible());
    EXPECT_FALSE(selectedBox().visible());

    clickTopOf(4);  // 2H onto the ace of hearts; stack 4 empties
    clickCenterOf(centerItem(1));
    EXPECT_EQ(centerItem(1).picture().id, 100 + 13 + 2);
    EXPECT_TRUE(sideItem(4, 0).visible());
    EXPECT_EQ(sideItem(4, 0).picture().id, kEmptyStackPicture);

    clickTopOf(8);  // 10S onto the empty stack 3
    clickCenterOf(sideItem(3, 0));
    EXPECT_EQ(sideItem(3, 0).picture().id, 100 + 39 + 10);
    EXPECT_EQ(state.sideStacks[3][0], card("10S"));
    EXPECT_FALSE(sideItem(8, 1).visible());
}

// A double-click is one click: its second press does not pick the moved card up again.
TEST_F(BoardWindowTest, DoubleClickOnADestinationMovesOnlyOnce) {
    showPosition(midGamePosition());
    clickTopOf(2);  // 7H, then a double-click on 8C
    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {},
                       cardArea().mapTo(window, sideItem(1, 2).geometry().center()));
    EXPECT_EQ(state.sideStacks[1][3], card("7H"));
    EXPECT_EQ(state.selectedCard, kNoCard);
    EXPECT_FALSE(selectedBox().visible());

    clickTopOf(6);  // 4C, then a double-click on the empty stack 3
    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {},
                       cardArea().mapTo(window, sideItem(3, 0).geometry().center()));
    EXPECT_EQ(state.sideStacks[3][0], card("4C"));
    EXPECT_EQ(state.selectedCard, kNoCard);
    EXPECT_FALSE(selectedBox().visible());
}

TEST_F(BoardWindowTest, RefusedCenterMoveAndBackgroundClickDropTheSelection) {
    showPosition(midGamePosition());

    clickTopOf(5);  // 3S onto the ace of spades: refused
    clickCenterOf(centerItem(3));
    EXPECT_FALSE(selectedBox().visible());
    EXPECT_EQ(centerItem(3).picture().id, 140);
    EXPECT_TRUE(sideItem(5, 1).visible());

    clickTopOf(6);
    ASSERT_TRUE(selectedBox().visible());
    clickBackground();
    EXPECT_FALSE(selectedBox().visible());
    EXPECT_EQ(state.selectedFrom, -1);
}

TEST_F(BoardWindowTest, ClickOnTheStripOfALowerCardGoesToThatCard) {
    showPosition(midGamePosition());
    clickTopOf(7);  // hold 2C

    // The visible 24-pixel strips of the lower cards: left edge on the right-hand fans,
    // right edge on the left-hand ones. Clicking them selects nothing and moves nothing.
    clickAt(sideItem(1, 1).geometry().topLeft() + QPoint(10, 40));
    clickAt(sideItem(5, 0).geometry().topRight() + QPoint(-10, 40));
    EXPECT_EQ(state.selectedCard, card("2C"));
    EXPECT_EQ(state.countSideStacks().of(1), 3);
    EXPECT_EQ(state.countSideStacks().of(5), 2);

    // Where item 2 of stack 2 is hidden, its place belongs to item 1 (7H) below it, and
    // beyond every card to the background, which drops the selection.
    const QPoint hiddenItem = sideItem(2, 2).geometry().topLeft() + QPoint(40, 40);
    ASSERT_FALSE(sideItem(2, 2).visible());
    clickAt(hiddenItem);
    EXPECT_EQ(state.selectedCard, card("7H"));
    clickAt(sideItem(2, 5).geometry().topRight() + QPoint(-5, 40));
    EXPECT_EQ(state.selectedCard, kNoCard);
}

TEST_F(BoardWindowTest, ControlsStandWhereTheWindowWasDesigned) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    EXPECT_EQ(window->windowTitle(), "Board");
    EXPECT_EQ(cardArea().size(), QSize(1016, 525));
    EXPECT_EQ(window->newButton().geometry(), QRect(0, 24, 57, 25));
    EXPECT_EQ(window->newButton().text(), "New");
    const auto* heading = window->findChild<platform::FixedLabel*>();
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->geometry(), QRect(480, 16, 73, 17));
    EXPECT_TRUE(textIsWhole(*heading)) << "heading cut off";
    EXPECT_EQ(heading->text(), "Selected Card");
    EXPECT_EQ(selectedBox().geometry(), QRect(480, 40, 65, 81));
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(centerItem(k).geometry(), QRect(480, 136 + 96 * k, 65, 81));
    }
    for (int n = 1; n <= 8; ++n) {
        const int top = 136 + 96 * ((n - 1) % 4);
        for (int i = 0; i < 18; ++i) {
            const int left = n <= 4 ? 552 + 24 * i : 408 - 24 * i;
            EXPECT_EQ(sideItem(n, i).geometry(), QRect(left, top, 65, 81))
                << "Card" << n << " item " << i;
        }
    }

    // The longest possible stack, 17 cards, on both sides: item 16 is the top card.
    BoardState longest = position({});
    for (int n : {1, 5}) {
        longest.sideStacks[n][0] = card("KH");
        for (int i = 1; i <= 16; ++i) {
            longest.sideStacks[n][static_cast<std::size_t>(i)] = Card{14 - i > 1 ? 14 - i : 2, 0};
        }
    }
    showPosition(longest);
    EXPECT_EQ(sideItem(1, 16).geometry(), QRect(936, 136, 79, 97));
    EXPECT_LE(sideItem(1, 16).geometry().right(), 1014);
    EXPECT_EQ(sideItem(5, 16).geometry(), QRect(24, 136, 79, 97));
    EXPECT_EQ(cardArea().imageAt(QPoint(1000, 180)), &sideItem(1, 16));
    EXPECT_EQ(cardArea().imageAt(QPoint(30, 180)), &sideItem(5, 16));

    window->resize(1400, 900);
    QTest::qWait(10);
    EXPECT_EQ(sideItem(1, 16).geometry(), QRect(936, 136, 79, 97));
    EXPECT_EQ(window->newButton().geometry(), QRect(0, 24, 57, 25));
    window->showMaximized();
    QTest::qWait(10);
    EXPECT_EQ(centerItem(2).geometry(), QRect(480, 328, 79, 97));
}

TEST_F(BoardWindowTest, MenuHasItsCaptionsAccessKeysAndNoShortcuts) {
    const std::pair<const char*, const char*> items[] = {{"newGame", "&New Game"},
                                                         {"exit", "&Exit"},
                                                         {"rules", "&Rules"},
                                                         {"aboutKetterline", "&Ketterline"},
                                                         {"aboutDravonne", "&Dravonne"},
                                                         {"aboutAuthor", "&Author"},
                                                         {"license", "&License"}};
    for (const auto& [name, caption] : items) {
        QAction* action = menuItem(name);
        ASSERT_NE(action, nullptr) << name;
        EXPECT_EQ(action->text(), caption);
        EXPECT_TRUE(action->shortcut().isEmpty()) << name;
        EXPECT_FALSE(action->isSeparator());
    }
    QList<QAction*> top = window->menuBar()->actions();
    ASSERT_EQ(top.size(), 2);
    EXPECT_EQ(top[0]->text(), "&File");
    EXPECT_EQ(top[1]->text(), "&Info");
    EXPECT_EQ(top[1]->menu()->actions()[1]->text(), "&About");
    EXPECT_EQ(top[0]->menu()->actions().size(), 2);
    ASSERT_EQ(top[1]->menu()->actions().size(), 3);
    EXPECT_EQ(top[1]->menu()->actions()[1]->menu()->actions().size(), 3);

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_F, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return top[0]->menu()->isVisible(); }, 1000));
    top[0]->menu()->close();
    QTest::keyClick(window, Qt::Key_I, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return top[1]->menu()->isVisible(); }, 1000));
    top[1]->menu()->close();
}

TEST_F(BoardWindowTest, NewGameReplacesAGameInProgress) {
    showPosition(midGamePosition());
    clickTopOf(1);
    menuItem("newGame")->trigger();
    EXPECT_EQ(state.countSideStacks().cards, (std::array<int, 8>{6, 6, 6, 6, 6, 6, 6, 6}));
    EXPECT_FALSE(selectedBox().visible());
    EXPECT_EQ(sideItem(3, 5).picture().id, pictureOf(state, 3, 5));
}

// The button's own repaints on press and release must not repaint the board beneath it:
// a click on "New", as on a card, is one paint of what changed.
TEST_F(BoardWindowTest, EachClickPaintsTheBoardOnce) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            paints += event->type() == QEvent::Paint;
            return false;
        }
    } counter;
    cardArea().installEventFilter(&counter);
    const QPoint newButton = window->newButton().geometry().center();
    clickAt(newButton);
    EXPECT_EQ(counter.paints, 1) << "after the first deal";
    clickTopOf(1);
    EXPECT_EQ(counter.paints, 2) << "after a card was selected";
    clickAt(newButton);  // the same deal again, without the selection
    EXPECT_EQ(counter.paints, 3) << "after the second deal";
}

}  // namespace
