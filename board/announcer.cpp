#include "board/announcer.h"

#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <bitset>
#include <utility>

#include "board/words.h"

namespace announcing {

namespace {

using Kind = Target::Kind;

// A place whose name changed, with the number of its cards before and after, and those of its
// cards, among the ones it has before and after, that another card replaced.
struct Changed {
    int place;
    int before;
    int after;
    std::bitset<kSlotsPerSideStack> replaced = {};
};

// A place whose cards stayed as they were.
Changed cardsKept(const BoardState& board, int place) {
    const int count = boardPlaces::cardCount(board, place);
    return {place, count, count};
}

Announcement told(bool selectionChanged, std::vector<Changed> places, QString text) {
    Announcement announcement{{}, std::move(text)};
    std::vector<Event>& events = announcement.events;
    if (selectionChanged) {
        events.push_back({{Kind::SelectedCardBox}, QAccessible::NameChanged});
    }
    std::sort(places.begin(), places.end(),
              [](const Changed& a, const Changed& b) { return a.place < b.place; });
    for (const Changed& changed : places) {
        events.push_back({{Kind::Place, changed.place}, QAccessible::NameChanged});
        for (int card = 0; card < std::min(changed.before, changed.after); ++card) {
            // A card's name also says whether it is the top card.
            const bool topMoved = (card == changed.before - 1) != (card == changed.after - 1);
            if (topMoved || changed.replaced.test(static_cast<std::size_t>(card))) {
                events.push_back({{Kind::Card, changed.place, card}, QAccessible::NameChanged});
            }
        }
        for (int card = changed.before - 1; card >= changed.after; --card) {
            events.push_back({{Kind::Card, changed.place, card}, QAccessible::ObjectDestroyed});
        }
        for (int card = changed.before; card < changed.after; ++card) {
            events.push_back({{Kind::Card, changed.place, card}, QAccessible::ObjectCreated});
        }
    }
    events.push_back({{Kind::Notification}, QAccessible::ObjectShow});
    return announcement;
}

std::vector<Changed> placesOf(const BoardState& board, const outcome::Moved& moved) {
    const int from = boardPlaces::placeOfSideStack(moved.from);
    const int left = boardPlaces::cardCount(board, from);
    if (moved.to == outcome::Destination::CenterStack) {
        // The card replaced the center stack's one card.
        return {{from, left + 1, left}, {boardPlaces::placeOfCenterStack(moved.target), 1, 1, 1}};
    }
    const int to = boardPlaces::placeOfSideStack(moved.target);
    const int now = boardPlaces::cardCount(board, to);
    return {{from, left + 1, left}, {to, now - 1, now}};
}

}  // namespace

Announcement ofDeal(const BoardState& board, const Dealt& dealt, const CardsKnown& known) {
    std::vector<Changed> places;
    for (int place = 0; place < boardPlaces::kCount; ++place) {
        const boardPlaces::Place at = boardPlaces::place(place);
        Changed changed{place, known[static_cast<std::size_t>(place)],
                        boardPlaces::cardCount(board, place)};
        for (int card = 0; card < std::min(changed.before, changed.after); ++card) {
            const auto slot = static_cast<std::size_t>(card);
            changed.replaced.set(slot, at.isCenterStack
                                           ? dealt.centerStacks[static_cast<std::size_t>(at.number)]
                                           : dealt.sideSlots[at.number][slot]);
        }
        places.push_back(changed);
    }
    return told(true, std::move(places), words::text(words::Text::NewGameDealt));
}

Announcement ofClick(const BoardState& board, const ClickOutcome& outcome) {
    QString text = words::outcome(board, outcome);
    auto sideStack = [&board](int stack) {
        return cardsKept(board, boardPlaces::placeOfSideStack(stack));
    };
    if (const auto* selected = std::get_if<outcome::Selected>(&outcome)) {
        if (selected->card == selected->previous) {
            return told(false, {}, std::move(text));
        }
        std::vector<Changed> places{sideStack(selected->stack)};
        if (isSideStack(selected->previousStack)) {
            places.push_back(sideStack(selected->previousStack));
        }
        return told(true, std::move(places), std::move(text));
    }
    if (const auto* moved = std::get_if<outcome::Moved>(&outcome)) {
        return told(true, placesOf(board, *moved), std::move(text));
    }
    if (const auto* refused = std::get_if<outcome::RefusedHome>(&outcome)) {
        return told(true, {sideStack(refused->from)}, std::move(text));
    }
    if (const auto* dropped = std::get_if<outcome::Dropped>(&outcome)) {
        return told(true, {sideStack(dropped->from)}, std::move(text));
    }
    return told(false, {}, std::move(text));
}

Announcement ofReading(QString text) {
    return told(false, {}, std::move(text));
}

Announcement withFocus(Announcement announcement, int place) {
    std::vector<Event>& events = announcement.events;
    const auto others =
        std::stable_partition(events.begin(), events.end(), [place](const Event& e) {
            return (e.target.kind == Kind::Place || e.target.kind == Kind::Card) &&
                   e.target.place == place;
        });
    events.insert(others, {{Kind::Place, place}, QAccessible::Focus});
    return announcement;
}

}  // namespace announcing

namespace {

// How often, and how many times, a text said after a menu looks for its window to be active.
constexpr int kActivationCheckMs = 50;
constexpr int kActivationChecks = 40;

}  // namespace

void Announcer::dealt(const Dealt& dealt, When when) {
    const AnnouncementSink* sink = findSink_();
    announce(
        announcing::ofDeal(board_, dealt, sink ? sink->cardsKnown() : announcing::CardsKnown{}),
        when);
}

void Announcer::clicked(const ClickOutcome& outcome) {
    announcing::Announcement told = announcing::ofClick(board_, outcome);
    if (const std::optional<int> place = std::exchange(focusWithClick_, std::nullopt)) {
        told = announcing::withFocus(std::move(told), *place);
    }
    announce(told);
}

void Announcer::read(QString text) {
    announce(announcing::ofReading(std::move(text)));
}

void Announcer::repeat() {
    announce(announcing::ofReading(current_.isEmpty() ? words::text(words::Text::NothingSaidYet)
                                                      : current_));
}

void Announcer::focusMoved(int place) {
    if (focusWithClick_ == place) {
        return;
    }
    send({{announcing::Target::Kind::Place, place}, QAccessible::Focus});
}

void Announcer::send(const announcing::Event& event) {
    if (AnnouncementSink* sink = findSink_()) {
        sink->send(event);
    }
}

void Announcer::announce(const announcing::Announcement& announcement, When when) {
    current_ = announcement.text;
    const unsigned sequence = ++sequence_;
    for (const announcing::Event& event : announcement.events) {
        if (event.target.kind != announcing::Target::Kind::Notification || when == When::AtOnce) {
            send(event);
            continue;
        }
        // Long enough for the focus to come back from the menu and be told, short enough to be
        // the answer to the key that chose the command.
        constexpr int kAfterMenuMs = 300;
        QTimer::singleShot(kAfterMenuMs, &context_, [this, event, sequence] {
            sendWhenActive(event, sequence, kActivationChecks);
        });
    }
}

// On a slow machine the window may be active again only after the pause. A screen reader that is
// still behind with a deal's many events drops, when the window comes back, what it has not said
// yet (Orca does), so the text waits for the window, a while at most.
void Announcer::sendWhenActive(const announcing::Event& event, unsigned sequence, int checksLeft) {
    if (sequence != sequence_) {
        return;
    }
    if (context_.isActiveWindow() || checksLeft == 0) {
        send(event);
        return;
    }
    QTimer::singleShot(kActivationCheckMs, &context_, [this, event, sequence, checksLeft] {
        sendWhenActive(event, sequence, checksLeft - 1);
    });
}
