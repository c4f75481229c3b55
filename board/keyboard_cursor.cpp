#include "board/keyboard_cursor.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>

#include "board/places.h"

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
    emit placeChanged();
    if (area_.hasFocus()) {
        emit moved(place_);
    }
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
            if (key->action == KeyAction::Step) {
                moveTo(boardPlaces::neighbour(place_, key->rowStep, key->columnStep));
            } else {
                emit requested(key->action, place_);
            }
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

void KeyboardCursor::showFrame(bool shown) {
    if (shown != frameShown_) {
        frameShown_ = shown;
        emit frameShownChanged();
    }
}
