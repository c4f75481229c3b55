#pragma once

#include <QObject>
#include <QPainterPath>
#include <QRect>
#include <QStringList>

class CardArea;

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
    // How assistive technology names the key as the binding of its action; the one key named
    // for each action that has an accessible action.
    const char* binding = nullptr;
};

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
};

// The entry of the table for a key press, or nullptr when the key is not the card area's.
const CardAreaKey* cardAreaKey(int key, Qt::KeyboardModifiers modifiers);
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
    // The cursor reached a place, or the card area got the focus, with the cursor on `place`.
    void moved(int place);
    void readStackRequested(int place);
    void readBoardRequested();
    void whereRequested(int place);
    void repeatRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void act(const CardAreaKey& key);
    void showFrame(bool shown);
    QRect frameRect() const;

    CardArea& area_;
    int place_ = 0;
    bool frameShown_ = false;
    QRect frame_;  // where the frame is drawn while it shows
};
