#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <random>

#include "program_fixture.h"
#include "support/event_loop.h"
#include "support/invariants.h"
#include "support/positions.h"

namespace {

class InfoCommandTest : public ProgramTest,
                        public testing::WithParamInterface<std::pair<const char*, InfoWindowId>> {};

TEST_P(InfoCommandTest, ShowsExactlyOneInstanceOfItsWindow) {
    const auto [item, id] = GetParam();
    InfoWindow& info = program.window(id);  // made hidden at start-up
    EXPECT_FALSE(info.isVisible());
    menuItem(item)->trigger();
    menuItem(item)->trigger();
    EXPECT_TRUE(info.isVisible());
    EXPECT_EQ(&program.window(id), &info);
    int shown = 0;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        shown += top->isVisible() && top != window;
    }
    EXPECT_EQ(shown, 1);
    // The board stays playable while it is open.
    clickBackground();
    EXPECT_TRUE(sideItem(1, 0).visible());
}

INSTANTIATE_TEST_SUITE_P(InfoMenu, InfoCommandTest,
                         testing::Values(std::pair{"rules", InfoWindowId::Rules},
                                         std::pair{"aboutKetterline",
                                                   InfoWindowId::AboutKetterline},
                                         std::pair{"aboutDravonne", InfoWindowId::AboutDravonne},
                                         std::pair{"aboutAuthor", InfoWindowId::AboutAuthor},
                                         std::pair{"license", InfoWindowId::License}),
                         [](const auto& info) { return std::string(info.param.first); });

TEST_F(ProgramTest, StartUpMakesEveryWindowHiddenAndExitEndsTheProgram) {
    const int before = QApplication::topLevelWidgets().size();
    for (int id = 0; id < kInfoWindowCount; ++id) {
        EXPECT_FALSE(program.window(InfoWindowId(id)).isVisible()) << id;
    }
    EXPECT_EQ(QApplication::topLevelWidgets().size(), before) << "a window made after start-up";
    menuItem("rules")->trigger();
    EXPECT_TRUE(leavesTheEventLoop([this] { menuItem("exit")->trigger(); }));
    EXPECT_FALSE(program.window(InfoWindowId::Rules).isVisible());
    EXPECT_FALSE(window->isVisible());
}

TEST_F(ProgramTest, ClosingTheBoardEndsTheProgram) {
    menuItem("license")->trigger();
    EXPECT_TRUE(leavesTheEventLoop([this] { window->close(); }));
    EXPECT_FALSE(program.window(InfoWindowId::License).isVisible());
}

TEST_F(ProgramTest, InfoWindowsReadAsDialogsWithTheirTextOnceAndNamedPictures) {
    InfoWindow& about = program.window(InfoWindowId::AboutKetterline);
    QAccessibleInterface* dialog = QAccessible::queryAccessibleInterface(&about);
    EXPECT_EQ(dialog->role(), QAccessible::Dialog);
    EXPECT_EQ(dialog->text(QAccessible::Name), "About Ketterline");
    // The labels are the text; a description would have it read twice.
    EXPECT_EQ(dialog->text(QAccessible::Description), "");
    for (const auto& [control, text] : {std::pair{"productIcon", "Ketterline icon"},
                                        std::pair{"makerLogo", "Dravonne Software logo"}}) {
        QAccessibleInterface* picture =
            QAccessible::queryAccessibleInterface(about.findChild<QWidget*>(control));
        EXPECT_EQ(picture->role(), QAccessible::Graphic);
        EXPECT_EQ(picture->text(QAccessible::Name), text);
    }
}

// Stacks 1..4 each hold one suit from king (bottom) to two (top); the aces lie on the center
// stacks, so the whole game is won by moving each stack's top card to its suit's stack.
BoardState oneMoveAtATimeToWin() {
    BoardState board = position({});
    for (int suit = 0; suit < 4; ++suit) {
        for (int slot = 0; slot < 12; ++slot) {
            board.sideStacks[suit + 1][static_cast<std::size_t>(slot)] = Card{13 - slot, suit};
        }
    }
    return board;
}

class WonGameTest : public ProgramTest, public testing::WithParamInterface<InfoWindowId> {};

TEST_P(WonGameTest, EndOfGameWindowStaysHiddenWhenAllCardsReachTheCenter) {
    showPosition(oneMoveAtATimeToWin());
    for (int suit = 0; suit < 4; ++suit) {
        for (int move = 0; move < 12; ++move) {
            clickTopOf(suit + 1);
            clickCenterOf(centerItem(suit));
        }
    }
    for (int suit = 0; suit < 4; ++suit) {
        ASSERT_EQ(state.centerStacks[static_cast<std::size_t>(suit)].rank, 13) << suit;
    }
    QCoreApplication::processEvents();
    EXPECT_FALSE(program.window(GetParam()).isVisible());
    EXPECT_TRUE(window->isVisible());
}

INSTANTIATE_TEST_SUITE_P(EndOfGame, WonGameTest,
                         testing::Values(InfoWindowId::Win, InfoWindowId::GameOver));

// Random clicks anywhere on the window and random menu commands (all but Exit), with the
// board's invariants checked after every event.
TEST(BoardMonkey, FiftyThousandRandomEventsKeepTheBoardConsistent) {
    SeededRandomSource random(99);
    Program program(random);
    const BoardState& state = program.state;
    BoardWindow& window = program.boardWindow();
    program.start();
    auto clickAt = [&window](QPoint point) {
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                          window.cardArea().mapTo(&window, point));
    };

    const char* commands[] = {"newGame",       "rules",       "aboutKetterline",
                              "aboutDravonne", "aboutAuthor", "license"};
    std::mt19937 rng(20261208);
    auto pick = [&rng](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(rng);
    };
    bool dealt = false;
    for (int event = 0; event < 50000; ++event) {
        const int kind = pick(0, 999);
        if (kind < 5) {
            const int command = pick(0, 5);
            window.findChild<QAction*>(commands[command])->trigger();
            dealt = dealt || command == 0;
        } else if (kind < 8) {
            clickAt(window.newButton().geometry().center());
            dealt = true;
        } else if (kind < 600) {
            // Mostly where the cards are, so that moves really happen.
            clickAt(QPoint(pick(0, 1015), pick(130, 524)));
        } else {
            clickAt(QPoint(pick(0, 1015), pick(0, 524)));
        }
        if (dealt) {
            ASSERT_TRUE(boardIsConsistent(state)) << "after event " << event;
        }
        ASSERT_TRUE(window.isVisible()) << "the program ended at event " << event;
    }
    EXPECT_TRUE(dealt);
}

}  // namespace
