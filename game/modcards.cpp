#include "game/modcards.h"

namespace modCards {

Card NumberToCard(std::int16_t number) {
    Card card = kEmptyCard;
    for (std::int16_t suit = 0; suit < 4; ++suit) {
        const int first = suit * 13 + 1;
        if (number >= first && number <= first + 12) {
            card = Card{static_cast<std::int16_t>(number - first + 1), suit};
        }
    }
    return card;
}

}  // namespace modCards
