#include <QAction>
#include <QPushButton>
#include <random>

#include "board_fixture.h"
#include "support/invariants.h"

namespace {

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
                          window.canvas().mapTo(&window, point));
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
        ASSERT_FALSE(program.ended());
    }
    EXPECT_TRUE(dealt);
}

}  // namespace
