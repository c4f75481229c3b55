#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <random>
#include <sstream>

#include "board/card_area.h"
#include "board_fixture.h"
#include "support/positions.h"

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
        EXPECT_EQ(cardArea().cursor().place(), row.place);
    }
    // The cursor comes back where it was.
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    EXPECT_EQ(cardArea().cursor().place(), 7);
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

// One key press: the key, its modifiers, and the key's place on the keyboard (its XKB keycode,
// 0 where it does not matter).
struct Keystroke {
    int key;
    Qt::KeyboardModifiers modifiers = {};
    quint32 scanCode = 0;
};

// Keys that act on one place, pressed on the position of support/positions.h, with the cards
// focused and the cursor on side stack 5 (place 0):
//   1: KS QH 8C   2: 5D 7H   3: empty   4: 2H   5: 9D 3S   6: 4C   7: 2C   8: JD 10S
//   center tops AC AH 2D AS.
struct PlaceKeyRow {
    const char* name;
    std::vector<Keystroke> keys;
    const char* said;
    int place;  // where the cursor is afterwards
};

void PrintTo(const PlaceKeyRow& row, std::ostream* out) {
    *out << row.name;
}

class PlaceKeyTest : public KeyboardTest, public testing::WithParamInterface<PlaceKeyRow> {};

TEST_P(PlaceKeyTest, ActsAsAClickThereAndTakesTheCursorThere) {
    showPosition(midGamePosition());
    press(Qt::Key_Tab);
    ASSERT_TRUE(cardArea().hasFocus());
    for (const Keystroke& key : GetParam().keys) {
        const QString text = QString(QChar(char32_t(key.key))).toLower();
        for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent event(type, key.key, key.modifiers, key.scanCode, 0, 0, text);
            QApplication::sendEvent(&cardArea(), &event);
        }
    }
    EXPECT_EQ(said(), GetParam().said);
    EXPECT_EQ(cardArea().cursor().place(), GetParam().place);
    EXPECT_EQ(cardArea().cursor().frame().boundingRect().toRect(),
              cardArea().placeRect(GetParam().place).adjusted(-3, -3, 3, 3));
}

// What a Russian layout types on the keys that bear S, B, W, R and H, with their keycodes.
constexpr Keystroke kRussianS{0x42B, {}, 39};  // "ы"
constexpr Keystroke kRussianB{0x418, {}, 56};  // "и"
constexpr Keystroke kRussianW{0x426, {}, 25};  // "ц"
constexpr Keystroke kRussianR{0x41A, {}, 27};  // "к"
constexpr Keystroke kRussianH{0x420, {}, 43};  // "р"

INSTANTIATE_TEST_SUITE_P(
    DigitsAndHome, PlaceKeyTest,
    testing::Values(
        PlaceKeyRow{"DigitSelects", {{Qt::Key_2}}, "Seven of hearts selected.", 5},
        PlaceKeyRow{"TwoDigitsMoveOntoACard",
                    {{Qt::Key_2}, {Qt::Key_1}},
                    "Seven of hearts moved onto eight of clubs. Side stack 2 now shows five of "
                    "diamonds.",
                    2},
        PlaceKeyRow{"TwoDigitsMoveToAnEmptyStack",
                    {{Qt::Key_8}, {Qt::Key_3}},
                    "Ten of spades moved to empty side stack 3. Side stack 8 now shows jack of "
                    "diamonds.",
                    8},
        PlaceKeyRow{"HMovesHome",
                    {{Qt::Key_4}, {Qt::Key_H}},
                    "Two of hearts moved home to the hearts center stack. Side stack 4 is now "
                    "empty.",
                    4},
        PlaceKeyRow{"RefusedHomeDropsTheSelection",
                    {{Qt::Key_5}, {Qt::Key_H}},
                    "The spades center stack does not take three of spades. Nothing is selected.",
                    10},
        PlaceKeyRow{"RefusedDigitSelectsThatCard",
                    {{Qt::Key_2}, {Qt::Key_8}},
                    "Ten of spades selected.",
                    9},
        PlaceKeyRow{
            "DigitOnTheSelectedCard", {{Qt::Key_2}, {Qt::Key_2}}, "Seven of hearts selected.", 5},
        PlaceKeyRow{
            "DigitOnAnEmptyStackWithNothingSelected", {{Qt::Key_3}}, "Nothing is selected.", 8},
        PlaceKeyRow{"HWithNothingSelected", {{Qt::Key_H}}, "Nothing is selected.", 0},
        PlaceKeyRow{"ShiftDigit", {{Qt::Key_2, Qt::ShiftModifier}}, "Seven of hearts selected.", 5},
        PlaceKeyRow{"ShiftH",
                    {{Qt::Key_4}, {Qt::Key_H, Qt::ShiftModifier}},
                    "Two of hearts moved home to the hearts center stack. Side stack 4 is now "
                    "empty.",
                    4},
        PlaceKeyRow{"KeypadDigitIsTheScreenReaders",
                    {{Qt::Key_2, Qt::KeypadModifier}},
                    "Nothing is selected.",
                    0},
        PlaceKeyRow{"ControlDigit", {{Qt::Key_2, Qt::ControlModifier}}, "Nothing is selected.", 0},
        PlaceKeyRow{"AltDigit", {{Qt::Key_8, Qt::AltModifier}}, "Nothing is selected.", 0},
        PlaceKeyRow{"MetaDigit", {{Qt::Key_1, Qt::MetaModifier}}, "Nothing is selected.", 0},
        PlaceKeyRow{"ControlH",
                    {{Qt::Key_4}, {Qt::Key_H, Qt::ControlModifier}},
                    "Two of hearts selected.",
                    11},
        PlaceKeyRow{
            "AltH", {{Qt::Key_4}, {Qt::Key_H, Qt::AltModifier}}, "Two of hearts selected.", 11},
        PlaceKeyRow{"RussianH",
                    {{Qt::Key_4}, kRussianH},
                    "Two of hearts moved home to the hearts center stack. Side stack 4 is now "
                    "empty.",
                    4},
        PlaceKeyRow{"RussianS",
                    {{Qt::Key_2}, kRussianS},
                    "Side stack 2, 2 cards from the bottom: five of diamonds, seven of hearts on "
                    "top.",
                    5},
        PlaceKeyRow{"RussianW",
                    {{Qt::Key_2}, kRussianW},
                    "Seven of hearts can go onto eight of clubs on side stack 1 or to empty side "
                    "stack 3.",
                    5},
        PlaceKeyRow{"RussianR", {{Qt::Key_2}, kRussianR}, "Seven of hearts selected.", 5},
        PlaceKeyRow{"RussianB",
                    {kRussianB},
                    "Side stack 5: three of spades on top, 2 cards. Center stack, clubs: ace of "
                    "clubs. Side stack 1: eight of clubs on top, 3 cards. Side stack 6: four of "
                    "clubs on top, 1 card. Center stack, hearts: ace of hearts. Side stack 2: "
                    "seven of hearts on top, 2 cards. Side stack 7: two of clubs on top, 1 card. "
                    "Center stack, diamonds: two of diamonds. Side stack 3: empty. Side stack 8: "
                    "ten of spades on top, 2 cards. Center stack, spades: ace of spades. Side "
                    "stack 4: two of hearts on top, 1 card.",
                    0},
        PlaceKeyRow{"RussianHWithControl",
                    {{Qt::Key_4}, {kRussianH.key, Qt::ControlModifier, kRussianH.scanCode}},
                    "Two of hearts selected.",
                    11},
        PlaceKeyRow{"RussianLetterOfAnotherKey",
                    {{Qt::Key_4}, {0x424, {}, 38}},  // "ф" on A
                    "Two of hearts selected.",
                    11},
        PlaceKeyRow{"LatinLetterIsTakenAsTyped",
                    {{Qt::Key_4}, {Qt::Key_H, {}, 44}},  // H where Dvorak has it, on the US J
                    "Two of hearts moved home to the hearts center stack. Side stack 4 is now "
                    "empty.",
                    4}),
    [](const testing::TestParamInfo<PlaceKeyRow>& info) { return info.param.name; });

std::string text(const BoardState& board) {
    std::ostringstream out;
    out << board;
    return out.str();
}
// A Board window of its own on a random source.
struct SeededBoard {
    explicit SeededBoard(unsigned seed) : random(seed) { window.show(); }
    int topSlot(int stack) const { return std::max(board.countSideStacks().of(stack) - 1, 0); }

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
        } else if (kind < 30) {
            // A side stack's digit, or H, which goes home with the selected card.
            const int stack = pick(1, 9);
            const Card held = keys.board.selectedCard;
            QTest::keyClick(&keyBoard, stack > 8 ? Qt::Key_H : Qt::Key(Qt::Key_0 + stack));
            click(stack <= 8 ? mouseWindow.cardArea()
                                   .sideStack(stack, mouse.topSlot(stack))
                                   .geometry()
                                   .center()
                  : held.isCard()
                      ? mouseWindow.cardArea().centerStack(held.suit).geometry().center()
                      : QPoint(200, 60));
        } else {
            const int place = pick(0, 11);
            while (const int rows = place / 3 - keyBoard.cursor().place() / 3) {
                QTest::keyClick(&keyBoard, rows > 0 ? Qt::Key_Down : Qt::Key_Up);
            }
            while (const int columns = place % 3 - keyBoard.cursor().place() % 3) {
                QTest::keyClick(&keyBoard, columns > 0 ? Qt::Key_Right : Qt::Key_Left);
            }
            QTest::keyClick(&keyBoard, acts[pick(0, 2)]);
            const boardPlaces::Place at = boardPlaces::place(place);
            click((at.isCenterStack
                       ? mouseWindow.cardArea().centerStack(at.number)
                       : mouseWindow.cardArea().sideStack(at.number, mouse.topSlot(at.number)))
                      .geometry()
                      .center());
        }
        ASSERT_EQ(text(keys.board), text(mouse.board)) << "after step " << step;
        moves += keyBoard.announcer().current().contains(" moved ") ? 1 : 0;
    }
    EXPECT_GT(moves, 90);  // 99 moves with these seeds
}

}  // namespace
