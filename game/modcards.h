#pragma once

#include <cstdint>

#include "game/card.h"

// Card numbers 1..52 are Suit * 13 + Value: clubs 1..13, hearts 14..26, diamonds 27..39,
// spades 40..52. The card's picture has id 100 + card number.
namespace modCards {

// Any number outside 1..52 gives the empty card.
Card NumberToCard(std::int16_t number);

// 1..52 for a valid card, -1 for anything else (never 0), so "> 0" means "is a card".
std::int16_t CardToNumber(Card card);

}  // namespace modCards
