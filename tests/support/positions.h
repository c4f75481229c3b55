#pragma once

#include <map>
#include <string_view>
#include <vector>

#include "game/board_state.h"

// "7H", "10D", "AS": rank then suit letter (C, H, D, S).
inline Card card(std::string_view text) {
    const std::string_view rank = text.substr(0, text.size() - 1);
    const char suit = text.back();
    static constexpr std::string_view kRanks[] = {"A", "2", "3",  "4", "5", "6", "7",
                                                  "8", "9", "10", "J", "Q", "K"};
    static constexpr std::string_view kSuits = "CHDS";
    int value = 0;
    for (int i = 0; i < 13; ++i) {
        if (kRanks[i] == rank) {
            value = i + 1;
        }
    }
    return Card{value, static_cast<int>(kSuits.find(suit))};
}

// A cleared board with the given side stacks (bottom card first) and center tops; nothing
// selected.
inline BoardState position(const std::map<int, std::vector<std::string_view>>& stacks,
                           const std::array<std::string_view, 4>& centers = {"AC", "AH", "AD",
                                                                             "AS"}) {
    BoardState board;
    board.clear();
    board.selectedFrom = -1;
    for (const auto& [n, cards] : stacks) {
        for (std::size_t slot = 0; slot < cards.size(); ++slot) {
            board.sideStacks[n][slot] = card(cards[slot]);
        }
    }
    for (std::size_t suit = 0; suit < 4; ++suit) {
        board.centerStacks[suit] = card(centers[suit]);
    }
    return board;
}

// A game in progress that every kind of click can be tried on:
//   side stacks 1: KS QH 8C   2: 5D 7H   3: empty   4: 2H   5: 9D 3S   6: 4C   7: 2C
//   8: JD 10S; center tops AC AH 2D AS.
inline BoardState midGamePosition() {
    return position({{1, {"KS", "QH", "8C"}},
                     {2, {"5D", "7H"}},
                     {4, {"2H"}},
                     {5, {"9D", "3S"}},
                     {6, {"4C"}},
                     {7, {"2C"}},
                     {8, {"JD", "10S"}}},
                    {"AC", "AH", "2D", "AS"});
}
