#include "board/keyboard_cursor.h"

#include <QKeyEvent>
#include <QLatin1String>
#include <string_view>
#include <utility>

#include "board/card_area.h"
#include "board/places.h"

namespace {

// Logical pixels, so the frame grows with the display scale: three make a line seen at a
// glance on a white card and on the window colour alike.
constexpr int kFrameWidth = 3;

// The key a press stands for. With the layout of another script a letter key types a letter of
// that script (the S key of a Russian layout types "ы"), and such a key stands for the Latin
// letter it bears: the one at its place on a US keyboard, found by the native scan code, which
// X11 and Wayland both give as the XKB keycode.
int latinKey(const QKeyEvent& press) {
    const int key = press.key();
    if (key > static_cast<int>(QChar::LastValidCodePoint) || !QChar::isLetter(char32_t(key)) ||
        QChar::script(char32_t(key)) == QChar::Script_Latin) {
        return key;
    }
    // The three rows of letters, each with the keycode of its first key.
    constexpr std::pair<quint32, std::string_view> rows[] = {
        {24, "QWERTYUIOP"}, {38, "ASDFGHJKL"}, {52, "ZXCVBNM"}};
    const quint32 code = press.nativeScanCode();
    for (const auto& [first, letters] : rows) {
        if (code >= first && code - first < letters.size()) {
            return letters[code - first];
        }
    }
    return key;
}

}  // namespace

const CardAreaKey* cardAreaKey(const QKeyEvent& press) {
    const int key = latinKey(press);
    const Qt::KeyboardModifiers modifiers = press.modifiers();
    const bool plain = !(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    const bool keypad = modifiers & Qt::KeypadModifier;
    for (const CardAreaKey& entry : kCardAreaKeys) {
        if (entry.key == key && (plain || !entry.plainOnly) &&
            !(keypad && entry.mainKeyboardOnly)) {
            return &entry;
        }
    }
    return nullptr;
}

QStringList keyBindings(KeyAction action) {
    QStringList names;
    for (const CardAreaKey& entry : kCardAreaKeys) {
        if (entry.action == action && entry.binding) {
            names << QLatin1String(entry.binding);
        }
    }
    return names;
}

KeyboardCursor::KeyboardCursor(CardArea& area) : area_(area) {
    area.installEventFilter(this);
}

void KeyboardCursor::moveTo(int place) {
    place_ = place;
    refresh();
    if (area_.hasFocus()) {
        emit moved(place_);
    }
}

void KeyboardCursor::refresh() {
    const QRect now = frameRect();
    if (frameShown_ && now != frame_) {
        area_.update(frame_);
        area_.update(now);
    }
    frame_ = now;
}

QPainterPath KeyboardCursor::frame() const {
    QPainterPath frame;
    if (frameShown_) {
        frame.addRect(frame_);
        frame.addRect(frame_.adjusted(kFrameWidth, kFrameWidth, -kFrameWidth, -kFrameWidth));
    }
    return frame;
}

bool KeyboardCursor::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress: {
            const CardAreaKey* key = cardAreaKey(*static_cast<QKeyEvent*>(event));
            if (!key) {
                break;
            }
            showFrame(true);
            act(*key);
            return true;
        }
        case QEvent::FocusIn:
            showFrame(true);
            // Qt tells of the card area's own focus after its handler returns; the place comes
            // after it, so that the place is what a screen reader says last.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (area_.hasFocus()) {
                        emit moved(place_);
                    }
                },
                Qt::QueuedConnection);
            break;
        case QEvent::FocusOut:
        case QEvent::MouseButtonPress:
            showFrame(false);
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

void KeyboardCursor::act(const CardAreaKey& key) {
    switch (key.action) {
        case KeyAction::Step:
            moveTo(boardPlaces::neighbour(place_, key.rowStep, key.columnStep));
            break;
        case KeyAction::Press:
            area_.pressPlace(place_);
            break;
        case KeyAction::Drop:
            area_.pressBackground();
            break;
        case KeyAction::ReadStack:
            emit readStackRequested(place_);
            break;
        case KeyAction::ReadBoard:
            emit readBoardRequested();
            break;
        case KeyAction::Where:
            emit whereRequested(place_);
            break;
        case KeyAction::Repeat:
            emit repeatRequested();
            break;
        case KeyAction::ToSideStack:
            clickAt(boardPlaces::placeOfSideStack(key.stack));
            break;
        case KeyAction::ToHome:
            if (const Card held = area_.board().selectedCard; held.isCard()) {
                clickAt(boardPlaces::placeOfCenterStack(held.suit));
            } else {
                // Changes nothing, and says that nothing is selected (or how to deal).
                area_.pressBackground();
            }
            break;
    }
}

void KeyboardCursor::clickAt(int place) {
    if (place != place_ && area_.hasFocus()) {
        area_.announcer().focusGoesWithClick(place);
    }
    place_ = place;
    refresh();
    area_.pressPlace(place);
}

void KeyboardCursor::showFrame(bool shown) {
    if (shown == frameShown_) {
        return;
    }
    frameShown_ = shown;
    if (shown) {
        frame_ = frameRect();
    }
    area_.update(frame_);
}

QRect KeyboardCursor::frameRect() const {
    return area_.placeRect(place_).adjusted(-kFrameWidth, -kFrameWidth, kFrameWidth, kFrameWidth);
}
