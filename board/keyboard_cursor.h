#pragma once

#include <QObject>
#include <QStringList>

// What a key of the card area does.
enum class KeyAction {
    Step,       // moves the cursor one place in the grid
    Press,      // clicks what lies in the middle of the place
    Drop,       // clicks the background, which drops the selection
    ReadStack,  // reads every card of the place aloud
    ReadBoard,  // reads every place aloud
    Where,      // says where the selected card, or the place's top card, can go
    Repeat,     // says the last announcement again
};

struct CardAreaKey {
    Qt::Key key;
    KeyAction action;
    int rowStep = 0;
    int columnStep = 0;
    // A letter: with Ctrl, Alt or Meta it is someone else's.
    bool plainOnly = false;
    // The one key of its action that assistive technology is told as the action's binding.
    bool named = false;
};

// Every key of the card area. Nothing else reads keys there: the key handling and the key
// bindings that assistive technology is told both come from this table.
inline constexpr CardAreaKey kCardAreaKeys[] = {
    {Qt::Key_Left, KeyAction::Step, 0, -1},
    {Qt::Key_Right, KeyAction::Step, 0, 1},
    {Qt::Key_Up, KeyAction::Step, -1, 0},
    {Qt::Key_Down, KeyAction::Step, 1, 0},
    {Qt::Key_Space, KeyAction::Press, 0, 0, false, true},
    {Qt::Key_Return, KeyAction::Press},
    {Qt::Key_Enter, KeyAction::Press},
    {Qt::Key_Escape, KeyAction::Drop},
    {Qt::Key_S, KeyAction::ReadStack, 0, 0, true, true},
    {Qt::Key_B, KeyAction::ReadBoard, 0, 0, true},
    {Qt::Key_W, KeyAction::Where, 0, 0, true, true},
    {Qt::Key_R, KeyAction::Repeat, 0, 0, true},
};

// The entry of the table for a key press, or nullptr when the key is not the card area's.
const CardAreaKey* cardAreaKey(int key, Qt::KeyboardModifiers modifiers);
// The names of the keys that do the action, as Qt writes them ("Space", "S"), for assistive
// technology.
QStringList keyBindings(KeyAction action);

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
    void placeChanged();
    void frameShownChanged();
    // A key asked for its action at the cursor's place.
    void requested(KeyAction action, int place);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showFrame(bool shown);

    QWidget& area_;
    int place_ = 0;
    bool frameShown_ = false;
};
