#pragma once

#include <QObject>
#include <QPainterPath>
#include <QRect>
#include <QStringList>

class CardArea;
class QKeyEvent;

// What a key of the card area does.
enum class KeyAction {
    Step,         // moves the cursor one place in the grid
    Press,        // clicks what lies in the middle of the place
    Drop,         // clicks the background, which drops the selection
    ReadStack,    // reads every card of the place aloud
    ReadBoard,    // reads every place aloud
    Where,        // says where the selected card, or the place's top card, can go
    Repeat,       // says the last announcement again
    ToSideStack,  // takes the cursor to a side stack and clicks its top card there
    ToHome,       // takes the cursor to the selected card's center stack and clicks there
};

struct CardAreaKey {
    Qt::Key key;
    KeyAction action;
    int rowStep = 0;
    int columnStep = 0;
    // A letter: with Ctrl, Alt or Meta it is someone else's.
    bool plainOnly = false;
    // How assistive technology names the key as the binding of its action; the one key named
    // for each action that has an accessible action.
    const char* binding = nullptr;
    int stack = 0;  // the side stack 1..8 of KeyAction::ToSideStack
    // A digit of the main keyboard: the keypad's are the screen reader's own keys.
    bool mainKeyboardOnly = false;
};

// The digit of a side stack. Shift is allowed, since a French keyboard types the digits with it.
constexpr CardAreaKey sideStackKey(int stack) {
    return {.key = static_cast<Qt::Key>(Qt::Key_0 + stack),
            .action = KeyAction::ToSideStack,
            .plainOnly = true,
            .stack = stack,
            .mainKeyboardOnly = true};
}

// Every key of the card area. Nothing else reads keys there: the key handling and the key
// bindings that assistive technology is told both come from this table.
inline constexpr CardAreaKey kCardAreaKeys[] = {
    {Qt::Key_Left, KeyAction::Step, 0, -1},
    {Qt::Key_Right, KeyAction::Step, 0, 1},
    {Qt::Key_Up, KeyAction::Step, -1, 0},
    {Qt::Key_Down, KeyAction::Step, 1, 0},
    {Qt::Key_Space, KeyAction::Press, 0, 0, false, "Space"},
    {Qt::Key_Return, KeyAction::Press},
    {Qt::Key_Enter, KeyAction::Press},
    {Qt::Key_Escape, KeyAction::Drop},
    {Qt::Key_S, KeyAction::ReadStack, 0, 0, true, "S"},
    {Qt::Key_B, KeyAction::ReadBoard, 0, 0, true},
    {Qt::Key_W, KeyAction::Where, 0, 0, true, "W"},
    {Qt::Key_R, KeyAction::Repeat, 0, 0, true},
    sideStackKey(1),
    sideStackKey(2),
    sideStackKey(3),
    sideStackKey(4),
    sideStackKey(5),
    sideStackKey(6),
    sideStackKey(7),
    sideStackKey(8),
    {Qt::Key_H, KeyAction::ToHome, 0, 0, true},
};

// The entry of the table for a key press, or nullptr when the key is not the card area's. A
// letter of another script than Latin stands for the Latin letter of its key (see latinKey).
const CardAreaKey* cardAreaKey(const QKeyEvent& press);
// The names of the keys that do the action, for assistive technology.
QStringList keyBindings(KeyAction action);

// Plays the card area from the keyboard. The card area takes the focus only from Tab and
// Shift+Tab, never from a click. While it has the focus the cursor stands on one of the twelve
// places (see board/places.h) and the keys of kCardAreaKeys act there. A frame in the palette's
// highlight colour shows the cursor until the focus leaves or a mouse button goes down on the
// card area; without it the card area is exactly what the mouse player sees.
class KeyboardCursor final : public QObject {
    Q_OBJECT

public:
    // Watches the card area's key, focus and mouse events; lives as long as the card area.
    explicit KeyboardCursor(CardArea& area);

    int place() const { return place_; }
    // Puts the cursor on a place; with the focus it shows there.
    void moveTo(int place);
    // Follows the cursor's place to where its top card stands now, after a redraw.
    void refresh();
    // The frame to paint over the card area, empty while it does not show.
    QPainterPath frame() const;

signals:
    // The cursor stepped to a place, or the card area got the focus, with the cursor on `place`.
    // A key that takes the cursor to a place and clicks there has the announcer tell the move
    // with the click instead.
    void moved(int place);
    void readStackRequested(int place);
    void readBoardRequested();
    void whereRequested(int place);
    void repeatRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void act(const CardAreaKey& key);
    // Takes the cursor to the place and clicks there, as a click on it does.
    void clickAt(int place);
    void showFrame(bool shown);
    QRect frameRect() const;

    CardArea& area_;
    int place_ = 0;
    bool frameShown_ = false;
    QRect frame_;  // where the frame is drawn while it shows
};
