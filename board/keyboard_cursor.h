#pragma once

#include <QObject>
#include <QStringList>

class QKeyEvent;

// What the card area's keys, and its places' accessible actions, ask it to do at a place.
enum class CardAction {
    Step,         // moves the cursor one place in the grid
    Press,        // clicks what lies in the middle of the place
    Focus,        // puts the cursor on the place and gives the card area the focus; no key does
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
    CardAction action;
    int rowStep = 0;
    int columnStep = 0;
    // A letter: with Ctrl, Alt or Meta it is someone else's.
    bool plainOnly = false;
    // The one key of its action that assistive technology is told as the action's binding.
    bool named = false;
    int stack = 0;  // the side stack 1..8 of CardAction::ToSideStack
    // A digit of the main keyboard: the keypad's are the screen reader's own keys.
    bool mainKeyboardOnly = false;
};

// The digit of a side stack. Shift is allowed, since a French keyboard types the digits with it.
constexpr CardAreaKey sideStackKey(int stack) {
    return {.key = static_cast<Qt::Key>(Qt::Key_0 + stack),
            .action = CardAction::ToSideStack,
            .plainOnly = true,
            .stack = stack,
            .mainKeyboardOnly = true};
}

// Every key of the card area. Nothing else reads keys there: the key handling and the key
// bindings that assistive technology is told both come from this table.
inline constexpr CardAreaKey kCardAreaKeys[] = {
    {Qt::Key_Left, CardAction::Step, 0, -1},
    {Qt::Key_Right, CardAction::Step, 0, 1},
    {Qt::Key_Up, CardAction::Step, -1, 0},
    {Qt::Key_Down, CardAction::Step, 1, 0},
    {Qt::Key_Space, CardAction::Press, 0, 0, false, true},
    {Qt::Key_Return, CardAction::Press},
    {Qt::Key_Enter, CardAction::Press},
    {Qt::Key_Escape, CardAction::Drop},
    {Qt::Key_S, CardAction::ReadStack, 0, 0, true, true},
    {Qt::Key_B, CardAction::ReadBoard, 0, 0, true},
    {Qt::Key_W, CardAction::Where, 0, 0, true, true},
    {Qt::Key_R, CardAction::Repeat, 0, 0, true},
    sideStackKey(1),
    sideStackKey(2),
    sideStackKey(3),
    sideStackKey(4),
    sideStackKey(5),
    sideStackKey(6),
    sideStackKey(7),
    sideStackKey(8),
    {Qt::Key_H, CardAction::ToHome, 0, 0, true},
};

// The entry of the table for a key press, or nullptr when the key is not the card area's. A
// letter of another script than Latin stands for the Latin letter of its key (see latinKey).
const CardAreaKey* cardAreaKey(const QKeyEvent& press);
// The names of the keys that do the action, as Qt writes them ("Space", "S"), for assistive
// technology.
QStringList keyBindings(CardAction action);

// The keyboard's cursor on the card area, which takes the focus only from Tab and Shift+Tab,
// never from a click. While it has the focus the cursor stands on one of the twelve places (see
// board/places.h) and the keys of kCardAreaKeys act there: the arrows move the cursor, every
// other key is a request that the card area carries out. Its frame shows until the focus leaves
// or a mouse button goes down on the card area; the card area paints it.
class KeyboardCursor final : public QObject {
    Q_OBJECT

public:
    // Watches the card area's key, focus and mouse events; a child of the card area.
    explicit KeyboardCursor(QWidget& area);

    int place() const { return place_; }
    bool frameShown() const { return frameShown_; }
    // Puts the cursor on a place; with the focus it shows there.
    void moveTo(int place);

signals:
    // The cursor reached a place, or the card area got the focus, with the cursor on `place`.
    void moved(int place);
    // The place changed, or whether the frame shows.
    void frameChanged();
    // A key asked for its action at a place: the cursor's, or the side stack that a digit names.
    void requested(CardAction action, int place);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showFrame(bool shown);
    // Tells the place while the card area has the focus.
    void tellPlace();

    QWidget& area_;
    int place_ = 0;
    bool frameShown_ = false;
};
