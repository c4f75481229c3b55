#include "board/announcer.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <functional>
#include <sstream>
#include <string>

#include "game/play.h"
#include "support/positions.h"
#include "support/printing.h"
#include "support/sources.h"

namespace {

using announcing::Event;
using Kind = announcing::Target::Kind;

// "box", "place 5", "card 2 3 created", "show": one word per event, the kind of change only
// where it is not NameChanged.
std::string describe(const std::vector<Event>& events) {
    std::string text;
    for (const Event& event : events) {
        const announcing::Target& target = event.target;
        switch (target.kind) {
            case Kind::SelectedCardBox:
                text += "box";
                break;
            case Kind::Place:
                text += "place " + std::to_string(target.place);
                break;
            case Kind::Card:
                text += "card " + std::to_string(target.place) + ' ' + std::to_string(target.card);
                break;
            case Kind::Notification:
                text += "show";
                break;
        }
        if (event.type == QAccessible::ObjectCreated) {
            text += " created";
        } else if (event.type == QAccessible::ObjectDestroyed) {
            text += " destroyed";
        } else if (event.type == QAccessible::Focus) {
            text += " focus";
        } else if (event.type != QAccessible::NameChanged &&
                   event.type != QAccessible::ObjectShow) {
            text += " event " + std::to_string(event.type);
        }
        text += "; ";
    }
    return text;
}

int top(const BoardState& board, int stack) {
    return board.countSideStacks().topSlot(stack);
}

// Clicks on the position of support/positions.h, by the places they stand at:
//   place 0: side stack 5 (9D 3S)   1: clubs (AC)     2: side stack 1 (KS QH 8C)
//         3: side stack 6 (4C)      4: hearts (AH)    5: side stack 2 (5D 7H)
//         6: side stack 7 (2C)      7: diamonds (2D)  8: side stack 3 (empty)
//         9: side stack 8 (JD 10S) 10: spades (AS)   11: side stack 4 (2H)
struct OutcomeRow {
    const char* name;
    std::function<ClickOutcome(BoardState&)> clicks;  // the last one's outcome is told
    const char* events;
};

void PrintTo(const OutcomeRow& row, std::ostream* out) {
    *out << row.name;
}

auto tops(std::vector<int> stacks) {
    return [stacks](BoardState& board) {
        ClickOutcome last;
        for (int stack : stacks) {
            last = clickSideStack(board, stack, std::max(top(board, stack), 0));
        }
        return last;
    };
}
auto then(std::function<ClickOutcome(BoardState&)> first,
          std::function<ClickOutcome(BoardState&)> second) {
    return [first, second](BoardState& board) {
        first(board);
        return second(board);
    };
}
auto home(int suit) {
    return [suit](BoardState& board) { return clickCenterStack(board, suit); };
}

class AnnouncerTest : public testing::TestWithParam<OutcomeRow> {};

TEST_P(AnnouncerTest, TellsExactlyWhatTheOutcomeTouched) {
    BoardState board = midGamePosition();
    const ClickOutcome outcome = GetParam().clicks(board);
    const announcing::Announcement told = announcing::ofClick(board, outcome);
    std::ostringstream what;
    what << outcome;
    EXPECT_EQ(describe(told.events), GetParam().events) << what.str();
    EXPECT_FALSE(told.text.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    EveryOutcome, AnnouncerTest,
    testing::Values(
        OutcomeRow{"Selection", tops({2}), "box; place 5; show; "},
        OutcomeRow{"SelectionReplacingAnother", tops({2, 8}), "box; place 5; place 9; show; "},
        OutcomeRow{"SameCardAgain", tops({2, 2}), "show; "},
        OutcomeRow{"MoveOntoACard", tops({2, 1}),
                   "box; place 2; card 2 2; card 2 3 created; place 5; card 5 0; card 5 1 "
                   "destroyed; show; "},
        OutcomeRow{"MoveToAnEmptyStack", tops({8, 3}),
                   "box; place 8; card 8 0 created; place 9; card 9 0; card 9 1 destroyed; show; "},
        OutcomeRow{"MoveHome", then(tops({4}), home(1)),
                   "box; place 4; card 4 0; place 11; card 11 0 destroyed; show; "},
        OutcomeRow{"RefusedHome", then(tops({5}), home(3)), "box; place 0; show; "},
        OutcomeRow{"Dropped", then(tops({6}), clickBackground), "box; place 3; show; "},
        OutcomeRow{"BuriedCardKeepsTheSelection",
                   then(tops({2}), [](BoardState& board) { return clickSideStack(board, 1, 0); }),
                   "show; "},
        OutcomeRow{"NothingSelected", clickBackground, "show; "},
        OutcomeRow{"CenterStackWithNothingSelected", home(0), "show; "}),
    [](const testing::TestParamInfo<OutcomeRow>& info) { return info.param.name; });

// A key that takes the cursor to the place it clicks: that place's events, its focus, the rest.
struct FocusRow {
    const char* name;
    std::function<ClickOutcome(BoardState&)> clicks;
    int place;  // where the last click was, and the focus goes
    const char* events;
};

void PrintTo(const FocusRow& row, std::ostream* out) {
    *out << row.name;
}

class AnnouncerFocusTest : public testing::TestWithParam<FocusRow> {};

TEST_P(AnnouncerFocusTest, TellsTheFocusAfterThePlacesOwnEvents) {
    BoardState board = midGamePosition();
    const ClickOutcome outcome = GetParam().clicks(board);
    const announcing::Announcement told =
        announcing::withFocus(announcing::ofClick(board, outcome), GetParam().place);
    EXPECT_EQ(describe(told.events), GetParam().events);
    EXPECT_EQ(told.text, announcing::ofClick(board, outcome).text);
}

INSTANTIATE_TEST_SUITE_P(
    KeysThatClickWhereTheyGo, AnnouncerFocusTest,
    testing::Values(
        FocusRow{"MoveOntoACard", tops({2, 1}), 2,
                 "place 2; card 2 2; card 2 3 created; place 2 focus; box; place 5; card 5 0; "
                 "card 5 1 destroyed; show; "},
        FocusRow{"RefusedHome", then(tops({5}), home(3)), 10,
                 "place 10 focus; box; place 0; show; "},
        FocusRow{"NothingSelected", tops({3}), 8, "place 8 focus; show; "}),
    [](const testing::TestParamInfo<FocusRow>& info) { return info.param.name; });

// The events of one place in a description, from its name up to the next place's.
std::string placeEvents(const std::string& events, int place) {
    const std::string start = "place " + std::to_string(place) + ";";
    const auto from = events.find(start);
    const auto to = events.find("place " + std::to_string(place + 1) + ";", from);
    return events.substr(from, (to == std::string::npos ? events.find("show;") : to) - from);
}

// A deal tells every place and the box as changed, the cards that assistive technology knew of
// whose names the deal changed, and the cards that went and came.
TEST(AnnouncerDeal, TellsEveryPlaceAndTheCardsItChanged) {
    ConstantSource zero(0.0f);
    BoardState board;
    const announcing::Announcement first = announcing::ofDeal(board, dealNewGame(board, zero), {});
    std::string fresh = "box; ";
    for (int place = 0; place < 12; ++place) {
        fresh += "place " + std::to_string(place) + "; ";
        for (int card = 0; card < (boardPlaces::place(place).isCenterStack ? 1 : 6); ++card) {
            fresh += "card " + std::to_string(place) + ' ' + std::to_string(card) + " created; ";
        }
    }
    EXPECT_EQ(describe(first.events), fresh + "show; ");
    EXPECT_EQ(first.text, "New game dealt.");

    // The same deal again changes no card.
    const announcing::CardsKnown dealtCards{6, 1, 6, 6, 1, 6, 6, 1, 6, 6, 1, 6};
    std::string same = "box; ";
    for (int place = 0; place < 12; ++place) {
        same += "place " + std::to_string(place) + "; ";
    }
    EXPECT_EQ(describe(announcing::ofDeal(board, dealNewGame(board, zero), dealtCards).events),
              same + "show; ");

    // Over a game in progress (side stack 5 held 9D 3S, the diamonds center stack the two):
    // the cards that now differ, or are no longer the top card, and those that came.
    board = midGamePosition();
    const announcing::CardsKnown midGame{2, 1, 3, 1, 1, 2, 1, 1, 0, 2, 1, 1};
    const std::string events =
        describe(announcing::ofDeal(board, dealNewGame(board, zero), midGame).events);
    EXPECT_EQ(placeEvents(events, 0),
              "place 0; card 0 0; card 0 1; card 0 2 created; card 0 3 created; card 0 4 "
              "created; card 0 5 created; ");
    EXPECT_EQ(placeEvents(events, 1), "place 1; ");  // still the ace of clubs
    EXPECT_EQ(placeEvents(events, 7), "place 7; card 7 0; ");
}

TEST(AnnouncerReading, OnlySpeaks) {
    const announcing::Announcement told =
        announcing::ofReading(QStringLiteral("Side stack 3 is empty."));
    EXPECT_EQ(describe(told.events), "show; ");
    EXPECT_EQ(told.text, "Side stack 3 is empty.");
}

// A text said after a menu waits for its window to be active again, as a screen reader still
// busy with a deal drops it when the window comes back; and it is not lost when the window never
// comes back.
class AnnouncerAfterMenu : public testing::Test, AnnouncementSink {
protected:
    void dealFromMenu() { announcer.dealt(dealNewGame(board, zero), Announcer::When::AfterMenu); }
    bool spoken() const {
        return !events.empty() && events.back().target.kind == Kind::Notification;
    }

    QWidget window;

private:
    void send(const Event& event) override { events.push_back(event); }
    announcing::CardsKnown cardsKnown() const override { return {}; }

    ConstantSource zero{0.0f};
    BoardState board;
    std::vector<Event> events;
    Announcer announcer{board, window, [this]() -> AnnouncementSink* { return this; }};
};

TEST_F(AnnouncerAfterMenu, SpeaksOnceTheWindowIsActiveAgain) {
    dealFromMenu();
    QTest::qWait(500);
    EXPECT_FALSE(spoken()) << "while the window is not active";
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_TRUE(QTest::qWaitFor([this] { return spoken(); }, 1000));
}

TEST_F(AnnouncerAfterMenu, SpeaksAtLastWhenTheWindowStaysInactive) {
    dealFromMenu();
    EXPECT_TRUE(QTest::qWaitFor([this] { return spoken(); }, 10000));
}

}  // namespace
