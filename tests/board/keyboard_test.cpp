#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <random>
#include <sstream>

#include "board/card_area.h"
#include "board_fixture.h"

namespace {

class KeyboardTest : public BoardWindowTest {
protected:
    KeyboardTest() {
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    // The cards, without the "New" button, which shows its own focus once Tab has been used.
    QImage picture() { return cardArea().grab(QRect(60, 0, 956, 525)).toImage(); }
    static QRgb pixel(const QImage& image, QPoint at) {
        return image.pixel(at * image.devicePixelRatio());
    }
};

TEST_F(KeyboardTest, TabMovesBetweenNewAndTheCardsAndAClickNeverFocusesThem) {
    EXPECT_TRUE(window->newButton().hasFocus());
    press(Qt::Key_Tab);
    EXPECT_TRUE(cardArea().hasFocus());
    press(Qt::Key_Tab);
    EXPECT_TRUE(window->newButton().hasFocus());
    press(Qt::Key_Backtab);
    EXPECT_TRUE(cardArea().hasFocus());
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(window->newButton().hasFocus());
    clickTopOf(5);
    EXPECT_TRUE(window->newButton().hasFocus());

    // F10 opens the File menu; the keys other programs deal with do nothing here.
    press(Qt::Key_F2);
    press(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(state.centerStacks[0], kStartupCard);
    press(Qt::Key_F10);
    QMenu* file = window->findChild<QMenu*>("fileMenu");
    EXPECT_TRUE(QTest::qWaitFor([&] { return file->isVisible(); }, 1000));
    file->close();
}

TEST_F(KeyboardTest, ArrowsMoveTheCursorInTheGridAndStopAtItsEdges) {
    const struct {
        std::vector<Qt::Key> keys;
        int place;
    } rows[] = {{{}, 0},
                {{Qt::Key_Left, Qt::Key_Up}, 0},
                {{Qt::Key_Right, Qt::Key_Right, Qt::Key_Right}, 2},
                {{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down}, 11},
                {{Qt::Key_Up, Qt::Key_Left}, 7}};
    press(Qt::Key_Tab);
    for (const auto& row : rows) {
        for (Qt::Key key : row.keys) {
            press(key);
        }
        EXPECT_EQ(cursor().place(), row.place);
    }
    // The cursor comes back where it was.
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    EXPECT_EQ(cursor().place(), 7);
}

TEST_F(KeyboardTest, TheFrameShowsOnlyWithKeyboardFocusAndLeavesTheMousePicture) {
    window->newButton().click();
    const QImage mouseOnly = picture();
    press(Qt::Key_Tab);
    const QImage framed = picture();
    const QPoint corner = sideItem(5, 5).geometry().topLeft() - QPoint(62, 2);
    EXPECT_EQ(pixel(framed, corner), cardArea().palette().color(QPalette::Highlight).rgb());
    EXPECT_NE(pixel(mouseOnly, corner), pixel(framed, corner));

    press(Qt::Key_Down);
    press(Qt::Key_Right);
    EXPECT_EQ(pixel(picture(), centerItem(1).geometry().topLeft() - QPoint(62, 2)),
              pixel(framed, corner));
    press(Qt::Key_Tab);
    EXPECT_EQ(picture(), mouseOnly);

    press(Qt::Key_Backtab);
    EXPECT_NE(picture(), mouseOnly);
    QTest::mousePress(window->windowHandle(), Qt::LeftButton, {},
                      cardArea().mapTo(window, QPoint(5, 5)));
    EXPECT_TRUE(cardArea().hasFocus());
    EXPECT_EQ(picture(), mouseOnly);
}

std::string text(const BoardState& board) {
    std::ostringstream out;
    out << board;
    return out.str();
}
// A Board window of its own on a random source.
struct SeededBoard {
    explicit SeededBoard(unsigned seed) : random(seed) { window.show(); }

    SeededRandomSource random;
    BoardState board;
    platform::PictureCache pictures{resources::cardPicturePath, resources::cardPicturePath2x};
    BoardWindow window{board, random, pictures};
};

// The same random game played on two boards, one by keys and one by the mouse, must leave
// them alike after every step.
TEST(KeysAndMouse, PlayTheSameGameOverThousandsOfActions) {
    SeededBoard keys(7);
    SeededBoard mouse(7);
    BoardWindow& keyWindow = keys.window;
    CardArea& keyBoard = keyWindow.cardArea();
    BoardWindow& mouseWindow = mouse.window;
    auto click = [&mouseWindow](QPoint point) {
        QTest::mouseClick(mouseWindow.windowHandle(), Qt::LeftButton, {},
                          mouseWindow.cardArea().mapTo(&mouseWindow, point));
    };

    std::mt19937 rng(14);
    auto pick = [&rng](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(rng);
    };
    const Qt::Key acts[] = {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter};
    int moves = 0;
    for (int step = 0; step < 4000; ++step) {
        const int kind = pick(0, 99);
        if (kind < 2) {
            QTest::keyClick(&keyWindow.newButton(), Qt::Key_Space);
            click(mouseWindow.newButton().geometry().center());
        } else if (kind < 6) {
            QTest::keyClick(&keyBoard, Qt::Key_Escape);
            click(QPoint(200, 60));
        } else {
            const int place = pick(0, 11);
            const KeyboardCursor& cursor = *keyBoard.findChild<KeyboardCursor*>();
            while (const int rows =
                       boardPlaces::rowOfPlace(place) - boardPlaces::rowOfPlace(cursor.place())) {
                QTest::keyClick(&keyBoard, rows > 0 ? Qt::Key_Down : Qt::Key_Up);
            }
            while (const int columns =
                       boardPlaces::columnOf(place) - boardPlaces::columnOf(cursor.place())) {
                QTest::keyClick(&keyBoard, columns > 0 ? Qt::Key_Right : Qt::Key_Left);
            }
            QTest::keyClick(&keyBoard, acts[pick(0, 2)]);
            const boardPlaces::Place at = boardPlaces::place(place);
            click((at.isCenterStack ? mouseWindow.cardArea().centerStack(at.number)
                                    : mouseWindow.cardArea().sideStack(
                                          at.number, boardPlaces::topItem(mouse.board, at.number)))
                      .geometry()
                      .center());
        }
        ASSERT_EQ(text(keys.board), text(mouse.board)) << "after step " << step;
        moves += keyBoard.announcement().contains(" moved ") ? 1 : 0;
    }
    EXPECT_GT(moves, 90);  // 99 moves with these seeds
}

}  // namespace
