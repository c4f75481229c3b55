#include "support/printing.h"

#include <ostream>

std::ostream& operator<<(std::ostream& out, const Card& card) {
    if (card == kNoCard) {
        return out << "--";
    }
    if (card == kStartupCard) {
        return out << "00";
    }
    if (!card.isCard()) {
        return out << "?(" << card.rank << ',' << card.suit << ')';
    }
    static constexpr const char* kRanks[] = {"A", "2", "3",  "4", "5", "6", "7",
                                             "8", "9", "10", "J", "Q", "K"};
    static constexpr char kSuits[] = {'C', 'H', 'D', 'S'};
    return out << kRanks[card.rank - 1] << kSuits[card.suit];
}

std::ostream& operator<<(std::ostream& out, const BoardState& board) {
    out << '\n';
    for (int n = 1; n <= kSideStackCount; ++n) {
        out << "  side " << n << ':';
        const SideStack& slots = board.sideStacks[n];
        std::size_t shown = slots.size();
        while (shown > 0 && slots[shown - 1] == kNoCard) {
            --shown;
        }
        for (std::size_t slot = 0; slot < shown; ++slot) {
            out << ' ' << slots[slot];
        }
        out << '\n';
    }
    out << "  center:";
    for (const Card& card : board.centerStacks) {
        out << ' ' << card;
    }
    return out << "\n  selected: " << board.selectedCard << " from " << board.selectedFrom << '\n';
}

std::ostream& operator<<(std::ostream& out, const outcome::Selected& selected) {
    return out << "selected " << selected.card << " from " << selected.stack
               << " (before: " << selected.previous << " from " << selected.previousStack << ')';
}

std::ostream& operator<<(std::ostream& out, const outcome::Moved& moved) {
    static constexpr const char* kDestinations[] = {"side stack", "empty side stack",
                                                    "center stack"};
    return out << "moved " << moved.card << " from " << moved.from << " (now " << moved.fromTop
               << ") onto " << moved.onto << " at " << kDestinations[static_cast<int>(moved.to)]
               << ' ' << moved.target;
}

std::ostream& operator<<(std::ostream& out, const outcome::RefusedHome& refused) {
    return out << "center stack " << refused.suit << " refused " << refused.card << " from "
               << refused.from;
}

std::ostream& operator<<(std::ostream& out, const outcome::Dropped& dropped) {
    return out << "dropped " << dropped.card << " from " << dropped.from;
}

std::ostream& operator<<(std::ostream& out, const outcome::Nothing& nothing) {
    static constexpr const char* kPlaces[] = {"not a top card", "an empty side stack",
                                              "a center stack", "the background"};
    return out << "nothing: " << kPlaces[static_cast<int>(nothing.where)];
}

std::ostream& operator<<(std::ostream& out, const ClickOutcome& outcome) {
    std::visit([&out](const auto& what) { out << what; }, outcome);
    return out;
}
