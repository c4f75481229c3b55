#include "board/board_canvas.h"

#include <QKeyEvent>
#include <QMetaMethod>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

#include "board/layout.h"
#include "board/spoken.h"
#include "platform/fixed_label.h"
#include "resources/pictures.h"

namespace {

using boardAccessibility::Target;

// The cards of a place as assistive technology lists them.
QStringList cardNamesOf(const BoardState& board, int place) {
    QStringList names;
    for (int card = 0; card < spoken::cardCount(board, place); ++card) {
        names << spoken::cardName(board, place, card);
    }
    return names;
}

// Logical pixels, so the frame grows with the display scale: three make a line seen at a
// glance on a white card and on the window colour alike.
constexpr int kFrameWidth = 3;

}  // namespace

BoardCanvas::BoardCanvas(const BoardState& board, platform::PictureCache& pictures, QWidget* parent)
    : ImageCanvas(parent), board_(board), pictures_(pictures) {
    boardAccessibility::install();
    setFocusPolicy(Qt::TabFocus);
    addImages();
    connect(this, &ImageCanvas::clicked, this, &BoardCanvas::click);
    selectedName_ = boardPlaces::selectedCardName(board_);
    for (int place = 0; place < boardPlaces::kCount; ++place) {
        placeNames_[static_cast<std::size_t>(place)] = boardPlaces::placeName(board_, place);
        cardNames_[static_cast<std::size_t>(place)] = cardNamesOf(board_, place);
    }
}

void BoardCanvas::addImages() {
    using boardPlaces::keyOf;
    auto addCenter = [this](int suit) {
        centerStacks_[static_cast<unsigned>(suit)] = &addImage(
            boardLayout::centerStackItem(suit), keyOf({boardPlaces::placeOfCenterStack(suit), 0}));
    };
    auto addSide = [this](int stack, int item) {
        sideStacks_[static_cast<unsigned>(stack - 1)][static_cast<unsigned>(item)] =
            &addImage(boardLayout::sideStackItem(stack, item),
                      keyOf({boardPlaces::placeOfSideStack(stack), item}));
    };
    // Back to front, as the window was designed: where images overlap, the later one is
    // drawn over the earlier one and takes the click. Within a fan a higher item lies over a
    // lower one, so the top card is shown whole.
    addCenter(0);
    addSide(1, 0);
    for (int suit = 1; suit < kSuitCount; ++suit) {
        addCenter(suit);
    }
    for (int stack = 2; stack <= kSideStackCount; ++stack) {
        addSide(stack, 0);
    }
    for (int stack : {5, 6, 7, 8, 1, 2, 3, 4}) {
        for (int item = 1; item < kSlotsPerSideStack; ++item) {
            addSide(stack, item);
        }
    }
    selectedCard_ = &addImage(boardLayout::kSelectedCardBox, boardPlaces::kSelectedCardKey);
    // The heading is a child widget and lies above every image.
    new platform::FixedLabel(QStringLiteral("Selected Card"), boardLayout::kSelectedCardHeading,
                             this);
}

void BoardCanvas::click(const platform::Image* image) {
    if (!image) {
        emit backgroundClicked();
        return;
    }
    if (image->key() == boardPlaces::kSelectedCardKey) {
        return;  // the selected-card box takes no clicks
    }
    const boardPlaces::Slot slot = boardPlaces::slotOf(image->key());
    const boardPlaces::Place at = boardPlaces::place(slot.place);
    if (at.isCenterStack) {
        emit centerStackClicked(at.number);
    } else {
        emit sideStackClicked(at.number, slot.item);
    }
}

void BoardCanvas::moveCursor(int place) {
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
    click(imageAt(placeRect(place).center()));
}

QRect BoardCanvas::placeRect(int place) const {
    const boardPlaces::Place at = boardPlaces::place(place);
    const platform::Image& image =
        at.isCenterStack ? centerStack(at.number)
                         : sideStack(at.number, boardPlaces::topItem(board_, at.number));
    return image.geometry();
}

QRect BoardCanvas::cardRect(int place, int card) const {
    const boardPlaces::Place at = boardPlaces::place(place);
    if (at.isCenterStack) {
        return centerStack(at.number).geometry();
    }
    const QRect whole = sideStack(at.number, card).geometry();
    if (card + 1 >= board_.countSideStacks().of(at.number)) {
        return whole;
    }
    // The next card lies over all of it but a strip on the side the fan grows away from.
    const QRect over = sideStack(at.number, card + 1).geometry();
    return over.left() > whole.left()
               ? QRect(whole.topLeft(), QPoint(over.left() - 1, whole.bottom()))
               : QRect(QPoint(over.right() + 1, whole.top()), whole.bottomRight());
}

void BoardCanvas::showDeal(Told told) {
    redraw();
    boardChanged(spoken::dealt(), told);
}

void BoardCanvas::showClick(const ClickOutcome& outcome) {
    redraw();
    boardChanged(spoken::outcome(board_, outcome));
}

void BoardCanvas::showCard(Card card, platform::Image& image) {
    if (!card.isCard()) {
        image.setVisible(false);
        return;
    }
    image.setVisible(true);
    image.setPicture(pictures_.load(resources::cardPicture(cardNumber(card))));
}

void BoardCanvas::redraw() {
    showCard(board_.selectedCard, *selectedCard_);
    for (int suit = 0; suit < kSuitCount; ++suit) {
        showCard(board_.centerStacks[static_cast<unsigned>(suit)], centerStack(suit));
    }
    for (int slot = 0; slot < kSlotsPerSideStack; ++slot) {
        for (int stack = 1; stack <= kSideStackCount; ++stack) {
            showCard(board_.sideStack(stack)[static_cast<unsigned>(slot)], sideStack(stack, slot));
        }
    }
    // Item 0 is hidden now exactly when the stack is empty.
    for (int stack = 1; stack <= kSideStackCount; ++stack) {
        platform::Image& bottom = sideStack(stack, 0);
        if (!bottom.visible()) {
            bottom.setVisible(true);
            bottom.setPicture(pictures_.load(resources::kEmptyStackPicture));
        }
    }
}

void BoardCanvas::boardChanged(const QString& said, Told told) {
    // The top card, and so the frame around it, may have moved.
    refreshFrame();

    if (QString name = boardPlaces::selectedCardName(board_); name != selectedName_) {
        selectedName_ = std::move(name);
        tell({Target::Kind::SelectedCardBox}, QAccessible::NameChanged);
    }
    // The cards are told only to someone listening; what was heard before is then made anew.
    const bool listened = QAccessible::isActive() ||
                          isSignalConnected(QMetaMethod::fromSignal(&BoardCanvas::accessibleEvent));
    for (int place = 0; place < boardPlaces::kCount; ++place) {
        QString name = boardPlaces::placeName(board_, place);
        if (QString& heard = placeNames_[static_cast<std::size_t>(place)]; name != heard) {
            heard = std::move(name);
            tell({Target::Kind::Place, place}, QAccessible::NameChanged);
        }
        if (!listened) {
            cardNames_[static_cast<std::size_t>(place)].clear();
            continue;
        }
        const QStringList cards = cardNamesOf(board_, place);
        QStringList& heardCards = cardNames_[static_cast<std::size_t>(place)];
        for (qsizetype card = 0; card < std::min(cards.size(), heardCards.size()); ++card) {
            if (cards[card] != heardCards[card]) {
                tell({Target::Kind::Card, place, static_cast<int>(card)}, QAccessible::NameChanged);
            }
        }
        for (qsizetype card = heardCards.size() - 1; card >= cards.size(); --card) {
            tell({Target::Kind::Card, place, static_cast<int>(card)}, QAccessible::ObjectDestroyed);
        }
        for (qsizetype card = heardCards.size(); card < cards.size(); ++card) {
            tell({Target::Kind::Card, place, static_cast<int>(card)}, QAccessible::ObjectCreated);
        }
        heardCards = cards;
    }
    announce(said, told);
}

void BoardCanvas::announce(const QString& text, Told told) {
    announcement_ = text;
    if (told == Told::AtOnce) {
        tell({Target::Kind::Notification}, QAccessible::ObjectShow);
        return;
    }
    // Long enough for the focus to come back from the menu and be told, short enough to be
    // the answer to the key that chose the command.
    constexpr int kAfterMenuMs = 300;
    QTimer::singleShot(kAfterMenuMs, this, [this, text] {
        if (announcement_ == text) {
            tell({Target::Kind::Notification}, QAccessible::ObjectShow);
        }
    });
}

void BoardCanvas::keyPressEvent(QKeyEvent* event) {
    int rowStep = 0;
    int columnStep = 0;
    // The reading keys are plain letters; with a modifier they are someone else's.
    const bool plain =
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
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
            click(nullptr);
            return;
        case Qt::Key_S:
        case Qt::Key_B:
            if (!plain) {
                break;
            }
            showCursor(true);
            announce(event->key() == Qt::Key_S ? spoken::stack(board_, cursor_)
                                               : spoken::board(board_));
            return;
        default:
            break;
    }
    if (rowStep == 0 && columnStep == 0) {
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
    tell({Target::Kind::Place, cursor_}, QAccessible::Focus);
}

void BoardCanvas::tell(Target target, QAccessible::Event event) {
    boardAccessibility::notify(*this, target, event);
    emit accessibleEvent(target, event);
}
