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

// One key press: the key, its modifiers, and its XKB keycode where it matters.
struct Keystroke {
    int key;
    Qt::KeyboardModifiers modifiers = {};
    quint32 scanCode = 0;
    QKeyEvent event(QEvent::Type type = QEvent::KeyPress) const {
        return {type, key, modifiers, scanCode, 0, 0, QString(QChar(char32_t(key))).toLower()};
    }
};

// Keys that click a place, on the position of support/positions.h with the cards focused and
// the cursor on side stack 5 (place 0); a digit's click is compared with the mouse's in
// KeysAndMouse below. 1: KS QH 8C  2: 5D 7H  3: empty  4: 2H  5: 9D 3S  6: 4C  7: 2C  8: JD 10S,
// center tops AC AH 2D AS.
struct PlaceKeyRow {
    const char* name;
    std::vector<Keystroke> keys;
    const char* said;  // how what the last key did is said: the start of it
    int place;         // where the cursor is afterwards
};

void PrintTo(const PlaceKeyRow& row, std::ostream* out) {
    *out << row.name;
}

class PlaceKeyTest : public KeyboardTest, public testing::WithParamInterface<PlaceKeyRow> {};

TEST_P(PlaceKeyTest, ActsAsAClickThereAndTakesTheCursorThere) {
    showPosition(midGamePosition());
    press(Qt::Key_Tab);
    for (const Keystroke& key : GetParam().keys) {
        for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent event = key.event(type);
            QApplication::sendEvent(QApplication::focusWidget(), &event);
        }
    }
    EXPECT_TRUE(said().startsWith(QLatin1String(GetParam().said))) << said().toStdString();
    EXPECT_EQ(cursor().place(), GetParam().place);
    EXPECT_EQ(pixel(picture(), cardArea().placeRect(GetParam().place).topLeft() - QPoint(62, 2)),
              cardArea().palette().color(QPalette::Highlight).rgb());
}

using Row = PlaceKeyRow;
constexpr Keystroke kRussianH{0x420, {}, 43};  // "р", on the key that bears H

INSTANTIATE_TEST_SUITE_P(
    DigitsAndHome, PlaceKeyTest,
    testing::Values(
        Row{"DigitSelects", {{Qt::Key_2}}, "Seven of hearts selected.", 5},
        Row{"TwoDigitsMoveOntoACard", {{Qt::Key_2}, {Qt::Key_1}}, "Seven of hearts moved onto", 2},
        Row{"TwoDigitsMoveToAnEmptyStack", {{Qt::Key_8}, {Qt::Key_3}}, "Ten of spades moved to", 8},
        Row{"HMovesHome", {{Qt::Key_4}, {Qt::Key_H}}, "Two of hearts moved home", 4},
        Row{"RefusedHDropsTheSelection", {{Qt::Key_5}, {Qt::Key_H}}, "The spades center", 10},
        Row{"RefusedDigitSelectsThatCard", {{Qt::Key_2}, {Qt::Key_8}}, "Ten of spades selected", 9},
        Row{"EmptyStackWithNothingSelected", {{Qt::Key_3}}, "Nothing is selected.", 8},
        Row{"HWithNothingSelected", {{Qt::Key_H}}, "Nothing is selected.", 0},
        Row{"ShiftDigit", {{Qt::Key_2, Qt::ShiftModifier}}, "Seven of hearts selected.", 5},
        Row{"KeypadDigitIsNot", {{Qt::Key_2, Qt::KeypadModifier}}, "Nothing is selected.", 0},
        Row{"ControlDigitIsNot", {{Qt::Key_2, Qt::ControlModifier}}, "Nothing is selected.", 0},
        Row{"AltDigitIsNot", {{Qt::Key_8, Qt::AltModifier}}, "Nothing is selected.", 0},
        Row{"MetaDigitIsNot", {{Qt::Key_1, Qt::MetaModifier}}, "Nothing is selected.", 0},
        Row{"ControlHIsNot",
            {{Qt::Key_4}, {Qt::Key_H, Qt::ControlModifier}},
            "Two of hearts sel",
            11},
        Row{"RussianH", {{Qt::Key_4}, kRussianH}, "Two of hearts moved home", 4}),
    [](const testing::TestParamInfo<PlaceKeyRow>& info) { return info.param.name; });

// With a Russian layout the keys that bear S, B, W, R and H type "ы", "и", "ц", "к" and "р".
TEST(CardAreaKeys, ALetterOfAnotherScriptIsTheLatinLetterOfItsKey) {
    const std::pair<Qt::Key, Keystroke> keys[] = {{Qt::Key_S, {0x42B, {}, 39}},
                                                  {Qt::Key_B, {0x418, {}, 56}},
                                                  {Qt::Key_W, {0x426, {}, 25}},
                                                  {Qt::Key_R, {0x41A, {}, 27}},
                                                  {Qt::Key_H, kRussianH}};
    for (const auto& [latin, russian] : keys) {
        ASSERT_NE(cardAreaKey(Keystroke{latin}.event()), nullptr);
        EXPECT_EQ(cardAreaKey(russian.event()), cardAreaKey(Keystroke{latin}.event())) << latin;
        const Keystroke withControl{russian.key, Qt::ControlModifier, russian.scanCode};
        EXPECT_EQ(cardAreaKey(withControl.event()), nullptr) << latin;
    }
    EXPECT_EQ(cardAreaKey(Keystroke{0x424, {}, 38}.event()), nullptr);  // "ф" on A
    // A Latin letter is the one typed, wherever its key is: H of a Dvorak layout, on US J.
    EXPECT_EQ(cardAreaKey(Keystroke{Qt::Key_H, {}, 44}.event()),
              cardAreaKey(Keystroke{Qt::Key_H}.event()));
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
    platform::PictureCache pictures{resources::cardPicturePath, resources::doubleSizePath};
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
    BoardClicks mouseClicks(mouseWindow, mouse.board);
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
            click(stack <= 8      ? mouseClicks.topOf(stack).geometry().center()
                  : held.isCard() ? mouseClicks.centerItem(held.suit).geometry().center()
                                  : QPoint(200, 60));
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
            click((at.isCenterStack ? mouseClicks.centerItem(at.number)
                                    : mouseClicks.topOf(at.number))
                      .geometry()
                      .center());
        }
        ASSERT_EQ(text(keys.board), text(mouse.board)) << "after step " << step;
        moves += keyBoard.announcement().contains(" moved ") ? 1 : 0;
    }
    EXPECT_GT(moves, 90);  // 99 moves with these seeds
}

}  // namespace
