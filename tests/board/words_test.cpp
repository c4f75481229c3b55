#include "board/words.h"

#include <gtest/gtest.h>

#include "support/board_clicks.h"
#include "support/positions.h"

namespace {

struct NameRow {
    const char* name;
    std::function<QString()> text;
    const char* expected;
};

void PrintTo(const NameRow& row, std::ostream* out) {
    *out << row.name;
}

class WordsTest : public testing::TestWithParam<NameRow> {};

TEST_P(WordsTest, NameWhatASightedPlayerSees) {
    EXPECT_EQ(GetParam().text(), GetParam().expected);
}

BoardState selected(int stack) {
    BoardState board = midGamePosition();
    board.selectedCard = board.topCard(stack);
    board.selectedFrom = stack;
    return board;
}

const BoardState kMidGame = midGamePosition();
const BoardState kStart;

INSTANTIATE_TEST_SUITE_P(
    EveryKind, WordsTest,
    testing::Values(
        NameRow{"Ace", [] { return words::cardName(card("AC")); }, "ace of clubs"},
        NameRow{"Ten", [] { return words::cardName(card("10H")); }, "ten of hearts"},
        NameRow{"King", [] { return words::cardName(card("KS")); }, "king of spades"},
        NameRow{"NotACard", [] { return words::cardName(kNoCard); }, ""},
        NameRow{"Suit", [] { return words::suitName(2); }, "diamonds"},
        NameRow{"SideStack", [] { return words::placeName(kMidGame, 2); },
                "Side stack 1: eight of clubs on top, 3 cards"},
        NameRow{"SideStackOfOneCard", [] { return words::placeName(kMidGame, 3); },
                "Side stack 6: four of clubs on top, 1 card"},
        NameRow{"EmptySideStack", [] { return words::placeName(kMidGame, 8); },
                "Side stack 3: empty"},
        NameRow{"SelectedSideStack", [] { return words::placeName(selected(2), 5); },
                "Side stack 2: seven of hearts on top, 2 cards, selected"},
        NameRow{"CenterStack", [] { return words::placeName(kMidGame, 7); },
                "Center stack, diamonds: two of diamonds"},
        NameRow{"CenterStackBeforeTheDeal", [] { return words::placeName(kStart, 1); },
                "Center stack, clubs: empty"},
        NameRow{"NoSelection", [] { return words::selectedCardName(kMidGame); },
                "Selected card: none"},
        NameRow{"Selection", [] { return words::selectedCardName(selected(8)); },
                "Selected card: ten of spades"},
        NameRow{"CardBelowTheTop", [] { return words::cardName(kMidGame, 2, 1); },
                "queen of hearts"},
        NameRow{"TopCard", [] { return words::cardName(kMidGame, 2, 2); },
                "eight of clubs, top card"},
        NameRow{"CenterCard", [] { return words::cardName(kMidGame, 4, 0); },
                "ace of hearts, top card"},
        NameRow{"StackOfOneCard", [] { return words::stackReading(kMidGame, 11); },
                "Side stack 4, 1 card from the bottom: two of hearts on top."},
        NameRow{"ReadingBeforeTheDeal", [] { return words::boardReading(kStart); },
                "No game has been dealt yet. Press New, or choose New Game in the File menu, to "
                "deal."},
        NameRow{"OutcomeBeforeTheDeal", [] { return words::outcome(kStart, outcome::Nothing{}); },
                "No game has been dealt yet. Press New, or choose New Game in the File menu, to "
                "deal."},
        NameRow{"MenuCaption", [] { return words::text(words::Text::AboutAuthorItem); },
                "&Author"}),
    [](const testing::TestParamInfo<NameRow>& info) { return info.param.name; });

}  // namespace
