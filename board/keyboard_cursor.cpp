#include "board/keyboard_cursor.h"

#include <QKeyEvent>
#include <QLatin1String>

#include "board/card_area.h"
#include "board/places.h"

namespace {

// Logical pixels, so the frame grows with the display scale: three make a line seen at a
// glance on a white card and on the window colour alike.
constexpr int kFrameWidth = 3;

}  // namespace

const CardAreaKey* cardAreaKey(int key, Qt::KeyboardModifiers modifiers) {
    const bool plain = !(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    for (const CardAreaKey& entry : kCardAreaKeys) {
        if (entry.key == key && (plain || !entry.plainOnly)) {
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
            const auto* press = static_cast<QKeyEvent*>(event);
            const CardAreaKey* key = cardAreaKey(press->key(), press->modifiers());
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
    }
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
