#include "board/card_area.h"

#include <QAccessible>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <algorithm>

#include "board/layout.h"
#include "board/words.h"
#include "platform/fixed_label.h"
#include "resources/pictures.h"

namespace {

// Logical pixels, so the frame grows with the display scale: three make a line seen at a
// glance on a white card and on the window colour alike.
constexpr int kFrameWidth = 3;

}  // namespace

CardArea::CardArea(const BoardState& board, platform::PictureCache& pictures, QWidget* parent)
    : ImageCanvas(parent),
      board_(board),
      pictures_(pictures),
      cursor_(new KeyboardCursor(*this)),
      announcer_(board, *this, [this] { return listener(); }) {
    setFocusPolicy(Qt::TabFocus);
    addImages();
    connect(this, &ImageCanvas::clicked, this, &CardArea::click);
    connect(cursor_, &KeyboardCursor::frameChanged, this, &CardArea::followCursor);
    connect(cursor_, &KeyboardCursor::moved, this,
            [this](int place) { announcer_.focusMoved(place); });
    connect(cursor_, &KeyboardCursor::requested, this, &CardArea::act);
}

AnnouncementSink* CardArea::listener() {
    // Without assistive technology nothing listens: the interfaces are not even made.
    if (!QAccessible::isActive()) {
        return nullptr;
    }
    return dynamic_cast<AnnouncementSink*>(QAccessible::queryAccessibleInterface(this));
}

void CardArea::showDeal(const Dealt& dealt, Announcer::When when) {
    redraw();
    followCursor();
    announcer_.dealt(dealt, when);
}

void CardArea::showClick(const ClickOutcome& outcome) {
    redraw();
    followCursor();
    announcer_.clicked(outcome);
}

void CardArea::addImages() {
    using boardPlaces::keyOf;
    auto addCenter = [this](int suit) {
        centerStacks_[static_cast<unsigned>(suit)] = &addImage(
            boardLayout::centerStackItem(suit), keyOf({boardPlaces::placeOfCenterStack(suit), 0}));
    };
    auto addSide = [this](int stack, int item) {
        sideStacks_[stack][static_cast<unsigned>(item)] =
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
    for (const bool right : {false, true}) {
        for (int stack = 1; stack <= kSideStackCount; ++stack) {
            for (int item = 1; item < kSlotsPerSideStack; ++item) {
                if (fansRight(stack) == right) {
                    addSide(stack, item);
                }
            }
        }
    }
    selectedCard_ = &addImage(boardLayout::kSelectedCardBox, keyOf({}));
    // The heading is a child widget and lies above every image.
    new platform::FixedLabel(words::text(words::Text::SelectedCardHeading),
                             boardLayout::kSelectedCardHeading, this, Qt::AlignLeft,
                             words::english(words::Text::SelectedCardHeading));
}

void CardArea::click(const platform::Image* image) {
    if (!image) {
        emit backgroundClicked();
        return;
    }
    const boardPlaces::Shown shown = boardPlaces::shownBy(image->key());
    if (!shown.place) {
        return;  // the selected-card box takes no clicks
    }
    const boardPlaces::Place at = boardPlaces::place(*shown.place);
    if (at.isCenterStack) {
        emit centerStackClicked(at.number);
    } else {
        emit sideStackClicked(at.number, shown.item);
    }
}

void CardArea::act(CardAction action, int place) {
    switch (action) {
        case CardAction::Step:
            break;  // the cursor's own
        case CardAction::Press:
            // Before the first deal every image still takes clicks at its design size, so the
            // middle of an empty stack's item 0 belongs to the items over it; an empty center
            // stack is hidden, and the click goes to the background. As it does for the mouse.
            click(imageAt(placeRect(place).center()));
            break;
        case CardAction::Focus:
            cursor_->moveTo(place);
            setFocus(Qt::OtherFocusReason);
            break;
        case CardAction::Drop:
            click(nullptr);  // exactly a click on the background
            break;
        case CardAction::ReadStack:
            announcer_.read(words::stackReading(board_, place));
            break;
        case CardAction::ReadBoard:
            announcer_.read(words::boardReading(board_));
            break;
        case CardAction::Where:
            announcer_.read(words::destinations(board_, place));
            break;
        case CardAction::Repeat:
            announcer_.repeat();
            break;
        case CardAction::ToSideStack:
            pressThere(place);
            break;
        case CardAction::ToHome:
            if (const Card held = board_.selectedCard; held.isCard()) {
                pressThere(boardPlaces::placeOfCenterStack(held.suit));
            } else {
                // Changes nothing, and says that nothing is selected (or how to deal).
                act(CardAction::Drop, place);
            }
            break;
    }
}

void CardArea::pressThere(int place) {
    if (place != cursor_->place()) {
        if (hasFocus()) {
            announcer_.focusGoesWithClick(place);
        }
        cursor_->moveTo(place);
    }
    act(CardAction::Press, place);
}

const platform::Image& CardArea::image(int place, int item) const {
    const boardPlaces::Place at = boardPlaces::place(place);
    return at.isCenterStack ? *centerStacks_.at(static_cast<unsigned>(at.number))
                            : *sideStacks_[at.number].at(static_cast<unsigned>(item));
}

QRect CardArea::placeRect(int place) const {
    return image(place, std::max(boardPlaces::cardCount(board_, place) - 1, 0)).geometry();
}

QRect CardArea::cardRect(int place, int card) const {
    const QRect whole = image(place, card).geometry();
    if (card + 1 >= boardPlaces::cardCount(board_, place)) {
        return whole;  // the top card
    }
    // The next card lies over all of it but a strip on the side the fan grows away from.
    return QRegion(whole).subtracted(image(place, card + 1).geometry()).boundingRect();
}

std::optional<boardPlaces::Shown> CardArea::shownAt(QPoint point) const {
    const platform::Image* under = imageAt(point);
    return under ? std::optional(boardPlaces::shownBy(under->key())) : std::nullopt;
}

void CardArea::showCard(Card card, platform::Image& image) {
    if (!card.isCard()) {
        image.setVisible(false);
        return;
    }
    image.setVisible(true);
    image.setPicture(pictures_.load(resources::cardPicture(cardNumber(card))));
}

void CardArea::redraw() {
    showCard(board_.selectedCard, *selectedCard_);
    for (int suit = 0; suit < kSuitCount; ++suit) {
        showCard(board_.centerStack(suit), *centerStacks_[static_cast<unsigned>(suit)]);
    }
    for (int stack = 1; stack <= kSideStackCount; ++stack) {
        for (int slot = 0; slot < kSlotsPerSideStack; ++slot) {
            showCard(board_.card(stack, slot), *sideStacks_[stack][static_cast<unsigned>(slot)]);
        }
        // Item 0 is hidden now exactly when the stack is empty.
        platform::Image& bottom = *sideStacks_[stack][0];
        if (!bottom.visible()) {
            bottom.setVisible(true);
            bottom.setPicture(pictures_.load(resources::kEmptyStackPicture));
        }
    }
}

void CardArea::paintEvent(QPaintEvent* event) {
    platform::ImageCanvas::paintEvent(event);
    if (!frame_.isEmpty()) {
        QPainterPath frame;
        frame.addRect(frame_);
        frame.addRect(frame_.adjusted(kFrameWidth, kFrameWidth, -kFrameWidth, -kFrameWidth));
        QPainter(this).fillPath(frame, palette().color(QPalette::Highlight));
    }
}

void CardArea::followCursor() {
    const QRect now = cursor_->frameShown()
                          ? placeRect(cursor_->place())
                                .adjusted(-kFrameWidth, -kFrameWidth, kFrameWidth, kFrameWidth)
                          : QRect();
    if (now != frame_) {
        update(frame_);
        update(now);
    }
    frame_ = now;
}
