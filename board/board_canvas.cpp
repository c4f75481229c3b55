#include "board/board_canvas.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

#include "board/board_accessibility.h"
#include "board/board_window.h"

namespace {

// Logical pixels, so the frame grows with the display scale: three make a line seen at a
// glance on a white card and on the window colour alike.
constexpr int kFrameWidth = 3;

}  // namespace

BoardCanvas::BoardCanvas(BoardWindow& window) : window_(window), before_(window.board()) {
    boardAccessibility::install();
    setFocusPolicy(Qt::TabFocus);
    names_ = accessibleNames();
}

void BoardCanvas::moveCursor(int place) {
    if (place != cursor_) {
        // What the last action did belongs to the place where it was told; read again at
        // every place the cursor reaches it would only be noise.
        outcome_.clear();
    }
    cursor_ = place;
    refreshFrame();
    if (hasFocus()) {
        announceFocus();
    }
}

void BoardCanvas::pressPlace(int place) {
    // Before the first deal every image still takes clicks at its design size, so the middle
    // of an empty stack's item 0 belongs to the items over it; an empty center stack is
    // hidden, and the click goes to the background. As it does for the mouse.
    int item = 0;
    const platform::Image* under = imageAt(placeRect(place).center());
    const int hit = placeOf(under, &item);
    if (!under) {
        window_.onBackgroundClicked();
        return;
    }
    if (hit < 0) {
        return;  // the selected-card box, which takes no clicks
    }
    const boardPlaces::Place at = boardPlaces::place(hit);
    if (at.isCenterStack) {
        window_.onCenterStackClicked(at.number);
    } else {
        window_.onSideStackClicked(at.number, item);
    }
}

int BoardCanvas::placeOf(const platform::Image* image, int* item) const {
    for (int place = 0; image && place < boardPlaces::kCount; ++place) {
        const boardPlaces::Place at = boardPlaces::place(place);
        for (int slot = 0; slot < (at.isCenterStack ? 1 : kSlotsPerSideStack); ++slot) {
            if (image == (at.isCenterStack ? &window_.centerStack(at.number)
                                           : &window_.sideStack(at.number, slot))) {
                if (item) {
                    *item = slot;
                }
                return place;
            }
        }
    }
    return -1;
}

QRect BoardCanvas::placeRect(int place) const {
    const boardPlaces::Place at = boardPlaces::place(place);
    const platform::Image& image =
        at.isCenterStack
            ? window_.centerStack(at.number)
            : window_.sideStack(at.number, boardPlaces::topItem(window_.board(), at.number));
    return image.geometry();
}

void BoardCanvas::boardChanged(bool dealt) {
    // The top card, and so the frame around it, may have moved.
    refreshFrame();

    const BoardState& board = window_.board();
    const std::array<QString, boardPlaces::kCount + 1> names = accessibleNames();
    for (std::size_t entry = 0; entry < names.size(); ++entry) {
        if (names[entry] != names_[entry]) {
            tell(static_cast<int>(entry), QAccessible::NameChanged);
        }
    }
    names_ = names;
    const QString outcome = boardPlaces::outcome(before_, board, dealt);
    before_ = board;
    if (outcome.isEmpty()) {
        return;
    }
    outcome_ = outcome;
    tell(cursor_ + 1, QAccessible::DescriptionChanged);
    boardAccessibility::announce(*this, cursor_ + 1, outcome_);
}

std::array<QString, boardPlaces::kCount + 1> BoardCanvas::accessibleNames() const {
    std::array<QString, boardPlaces::kCount + 1> names;
    names[0] = boardPlaces::selectedCardName(window_.board());
    for (int place = 0; place < boardPlaces::kCount; ++place) {
        names[static_cast<std::size_t>(place + 1)] = boardPlaces::placeName(window_.board(), place);
    }
    return names;
}

void BoardCanvas::keyPressEvent(QKeyEvent* event) {
    int rowStep = 0;
    int columnStep = 0;
    switch (event->key()) {
        case Qt::Key_Left:
            columnStep = -1;
            break;
        case Qt::Key_Right:
            columnStep = 1;
            break;
        case Qt::Key_Up:
            rowStep = -1;
            break;
        case Qt::Key_Down:
            rowStep = 1;
            break;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            showCursor(true);
            pressPlace(cursor_);
            return;
        case Qt::Key_Escape:
            showCursor(true);
            window_.onBackgroundClicked();
            return;
        default:
            platform::ImageCanvas::keyPressEvent(event);
            return;
    }
    showCursor(true);
    moveCursor(boardPlaces::neighbour(cursor_, rowStep, columnStep));
}

void BoardCanvas::focusInEvent(QFocusEvent* event) {
    platform::ImageCanvas::focusInEvent(event);
    showCursor(true);
    // Qt tells of the card area's own focus after this handler returns; the place comes
    // after it, so that the place is what a screen reader says last.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (hasFocus()) {
                announceFocus();
            }
        },
        Qt::QueuedConnection);
}

void BoardCanvas::focusOutEvent(QFocusEvent* event) {
    platform::ImageCanvas::focusOutEvent(event);
    showCursor(false);
}

void BoardCanvas::mousePressEvent(QMouseEvent* event) {
    showCursor(false);
    platform::ImageCanvas::mousePressEvent(event);
}

void BoardCanvas::paintEvent(QPaintEvent* event) {
    platform::ImageCanvas::paintEvent(event);
    if (!cursorShown_) {
        return;
    }
    QPainterPath frame;
    frame.addRect(frame_);
    frame.addRect(frame_.adjusted(kFrameWidth, kFrameWidth, -kFrameWidth, -kFrameWidth));
    QPainter(this).fillPath(frame, palette().color(QPalette::Highlight));
}

void BoardCanvas::showCursor(bool shown) {
    if (shown == cursorShown_) {
        return;
    }
    cursorShown_ = shown;
    // Hiding asks nothing of the window: the focus also leaves while the window is destroyed.
    if (shown) {
        frame_ = frameRect();
    }
    update(frame_);
}

QRect BoardCanvas::frameRect() const {
    return placeRect(cursor_).adjusted(-kFrameWidth, -kFrameWidth, kFrameWidth, kFrameWidth);
}

void BoardCanvas::refreshFrame() {
    const QRect now = frameRect();
    if (cursorShown_ && now != frame_) {
        update(frame_);
        update(now);
    }
    frame_ = now;
}

void BoardCanvas::announceFocus() {
    tell(cursor_ + 1, QAccessible::Focus);
}

void BoardCanvas::tell(int entry, QAccessible::Event event) {
    boardAccessibility::notify(*this, entry, event);
    emit accessibleEvent(entry, event);
}
