#include "game/printing.h"

#include <ostream>

#include "game/modcards.h"

std::ostream& operator<<(std::ostream& out, const Card& card) {
    if (card == kEmptyCard) {
        return out << "--";
    }
    if (card == kZeroCard) {
        return out << "00";
    }
    if (modCards::CardToNumber(card) < 0) {
        return out << "?(" << card.Value << ',' << card.Suit << ')';
    }
    static constexpr const char* kRanks[] = {"A", "2", "3",  "4", "5", "6", "7",
                                             "8", "9", "10", "J", "Q", "K"};
    static constexpr char kSuits[] = {'C', 'H', 'D', 'S'};
    return out << kRanks[card.Value - 1] << kSuits[card.Suit];
}

std::ostream& operator<<(std::ostream& out, const BoardState& board) {
    out << '\n';
    for (int n = 1; n <= kSideStackCount; ++n) {
        out << "  side " << n << ':';
        const SideStackSlots& slots = board.sideStack(n);
        std::size_t shown = slots.size();
        while (shown > 0 && slots[shown - 1] == kEmptyCard) {
            --shown;
        }
        for (std::size_t slot = 0; slot < shown; ++slot) {
            out << ' ' << slots[slot];
        }
        out << '\n';
    }
    out << "  center:";
    for (const Card& card : board.CenterStack) {
        out << ' ' << card;
    }
    return out << "\n  selected: " << board.SelectedCard << " from " << board.SelectedFrom << '\n';
}
