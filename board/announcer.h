#pragma once

#include <QAccessible>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "board/places.h"
#include "game/board_state.h"
#include "game/play.h"

// What the card area tells assistive technology after each action: which of its parts
// changed, and the sentence that says what the action did.
namespace announcing {

// What an event is about.
struct Target {
    enum class Kind { SelectedCardBox, Place, Card, Notification };
    Kind kind;
    int place = 0;  // for a place and a card
    int card = 0;   // for a card, counted from the bottom of its place
    friend bool operator==(const Target&, const Target&) = default;
};

struct Event {
    Target target;
    QAccessible::Event type;
    friend bool operator==(const Event&, const Event&) = default;
};

// NameChanged for the parts whose names changed and the cards that changed, came or went, in
// reading order (the selected-card box, then each place followed by its cards), and last
// ObjectShow of the notification, which speaks `text`.
struct Announcement {
    std::vector<Event> events;
    QString text;
};

// How many cards of each place assistive technology has been told of.
using CardsKnown = std::array<int, boardPlaces::kCount>;

// After a deal that did `dealt`: every place and the selected-card box changed; of the cards
// that assistive technology knew of, those whose names changed, and those that went; and the
// cards that came.
Announcement ofDeal(const BoardState& board, const Dealt& dealt, const CardsKnown& known);
// After a click that did `outcome` to `board`: exactly what the outcome touched.
Announcement ofClick(const BoardState& board, const ClickOutcome& outcome);
// A reading: only the text.
Announcement ofReading(QString text);

// The announcement of a click that also takes the keyboard focus to `place`: first that place's
// own events, while it has not got the focus yet, so that a screen reader knows its new name
// without saying it; then its Focus, at which the screen reader says that name once; then the
// other events, and the notification last.
Announcement withFocus(Announcement announcement, int place);

}  // namespace announcing

// Where announcements go: assistive technology, while it listens.
class AnnouncementSink {
public:
    // Tells that something of the target changed. A card's ObjectDestroyed also ends its
    // interface; ObjectShow of the notification has its text spoken.
    virtual void send(const announcing::Event& event) = 0;
    // How many cards of each place have an interface now.
    virtual announcing::CardsKnown cardsKnown() const = 0;

protected:
    ~AnnouncementSink() = default;
};

// Tells assistive technology what each action did (see announcing above) and where the keyboard
// cursor went, and keeps the text last announced.
class Announcer {
public:
    // When a screen reader hears what an action did: at once, or once a menu that the action
    // came from has closed and the focus is back where it was, which a screen reader says first
    // and would otherwise say instead.
    enum class When { AtOnce, AfterMenu };
    // The sink of the moment, or nullptr while nothing listens; asked again for every event.
    using FindSink = std::function<AnnouncementSink*()>;

    // The board and the context, which ends the delayed announcements with it, outlive the
    // announcer.
    Announcer(const BoardState& board, QObject& context, FindSink findSink)
        : board_(board), context_(context), findSink_(std::move(findSink)) {}

    void dealt(const Dealt& dealt, When when);
    void clicked(const ClickOutcome& outcome);
    // Says a reading of the board (see board/words.h).
    void read(QString text);
    // Says the current announcement again, or that nothing has been said yet.
    void repeat();
    // The keyboard cursor reached a place while the card area has the focus.
    void focusMoved(int place);
    // The keyboard cursor goes to `place` with the click that is announced next (every click
    // is): that click tells the focus (see announcing::withFocus), and focusMoved() for that
    // place does not.
    void focusGoesWithClick(int place) { focusWithClick_ = place; }

    // What the notification says: the text of the last announcement.
    const QString& current() const { return current_; }

private:
    void announce(const announcing::Announcement& announcement, When when = When::AtOnce);
    void send(const announcing::Event& event);

    const BoardState& board_;
    QObject& context_;
    FindSink findSink_;
    QString current_;
    unsigned sequence_ = 0;  // counts the announcements, so that a late one can tell it is stale
    std::optional<int> focusWithClick_;
};
