#pragma once

// A card: rank 1 (ace) .. 13 (king) and suit 0 clubs, 1 hearts, 2 diamonds, 3 spades.
// The board also holds two values that are not cards: kNoCard marks a free slot or an empty
// selection, and kStartupCard is what every slot holds from start-up until the first deal.
// Rules compare ranks only as one higher or one lower, so these two must stay outside 1..13.
struct Card {
    int rank = 0;
    int suit = 0;

    constexpr bool isCard() const { return rank >= 1 && rank <= 13 && suit >= 0 && suit <= 3; }
    friend constexpr bool operator==(Card, Card) = default;
};

inline constexpr Card kNoCard{-1, -1};
inline constexpr Card kStartupCard{0, 0};

inline constexpr int kSuitCount = 4;
inline constexpr int kRanksPerSuit = 13;
inline constexpr int kDeckSize = kSuitCount * kRanksPerSuit;

// Card numbers run 1..52 as suit * 13 + rank: clubs 1..13, hearts 14..26, diamonds 27..39,
// spades 40..52. Anything that is not a card has number -1 (never 0).
constexpr int cardNumber(Card card) {
    return card.isCard() ? card.suit * kRanksPerSuit + card.rank : -1;
}

// Any number outside 1..52 gives kNoCard.
constexpr Card cardWithNumber(int number) {
    if (number < 1 || number > kDeckSize) {
        return kNoCard;
    }
    return Card{(number - 1) % kRanksPerSuit + 1, (number - 1) / kRanksPerSuit};
}
