#pragma once

#include <cstdint>

#include "game/card.h"

// Card numbers 1..52 are Suit * 13 + Value: clubs 1..13, hearts 14..26, diamonds 27..39,
// spades 40..52. The card's picture has id 100 + card number.
namespace modCards {

// Any number outside 1..52 gives the empty card.
Card NumberToCard(std::int16_t number);

// Value 1..13 and Suit 0..3.
constexpr bool isCard(Card card) {
    return card.Value >= 1 && card.Value <= 13 && card.Suit >= 0 && card.Suit <= 3;
}

// 1..52 for a valid card, -1 for anything else (never 0), so "> 0" means "is a card".
constexpr std::int16_t CardToNumber(Card card) {
    return isCard(card) ? static_cast<std::int16_t>(card.Suit * 13 + card.Value) : -1;
}

}  // namespace modCards
