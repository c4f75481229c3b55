#include "board/keyboard_cursor.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>
#include <string_view>
#include <utility>

#include "board/places.h"

namespace {

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

QStringList keyBindings(CardAction action) {
    QStringList names;
    for (const CardAreaKey& entry : kCardAreaKeys) {
        if (entry.action == action && entry.named) {
            names << QKeySequence(entry.key).toString(QKeySequence::PortableText);
        }
    }
    return names;
}

KeyboardCursor::KeyboardCursor(QWidget& area) : QObject(&area), area_(area) {
    area.installEventFilter(this);
}

void KeyboardCursor::moveTo(int place) {
    place_ = place;
    emit frameChanged();
    tellPlace();
}

void KeyboardCursor::tellPlace() {
    if (area_.hasFocus()) {
        emit moved(place_);
    }
}

bool KeyboardCursor::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress: {
            const CardAreaKey* key = cardAreaKey(*static_cast<QKeyEvent*>(event));
            if (!key) {
                break;
            }
            showFrame(true);
            if (key->action == CardAction::Step) {
                moveTo(boardPlaces::neighbour(place_, key->rowStep, key->columnStep));
            } else {
                emit requested(key->action, key->action == CardAction::ToSideStack
                                                ? boardPlaces::placeOfSideStack(key->stack)
                                                : place_);
            }
            return true;
        }
        case QEvent::FocusIn:
            showFrame(true);
            // Qt tells of the card area's own focus after its handler returns; the place comes
            // after it, so that the place is what a screen reader says last.
            QMetaObject::invokeMethod(this, &KeyboardCursor::tellPlace, Qt::QueuedConnection);
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

void KeyboardCursor::showFrame(bool shown) {
    if (shown != frameShown_) {
        frameShown_ = shown;
        emit frameChanged();
    }
}
