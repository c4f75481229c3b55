#include "game/modboard.h"

#include <cmath>
#include <cstddef>
#include <vector>

#include "game/modcards.h"
#include "game/random_source.h"

namespace modBoard {

void ClearBoard(BoardState& board) {
    board.SelectedCard = kEmptyCard;
    for (Card& top : board.CenterStack) {
        top = kEmptyCard;
    }
    for (int slot = 0; slot < kSlotsPerSideStack; ++slot) {
        for (std::int16_t n : kStorageOrder) {
            board.sideStack(n)[static_cast<std::size_t>(slot)] = kEmptyCard;
        }
    }
}

StackCounts CountSideStacks(const BoardState& board) {
    StackCounts counts;
    for (int slot = 0; slot < kSlotsPerSideStack; ++slot) {
        for (std::int16_t n : kStorageOrder) {
            if (modCards::CardToNumber(board.sideStack(n)[static_cast<std::size_t>(slot)]) > 0) {
                ++counts.of(n);
            }
        }
    }
    return counts;
}

namespace {

// Turns r (0 <= r < 1) into a 0-based pool position below `left`, forming the product in
// double precision. A source that breaks its contract (r outside [0, 1), NaN) is clamped
// so that it can never index outside the pool.
std::size_t drawPosition(float r, std::size_t left) {
    const double scaled = std::floor(static_cast<double>(r) * static_cast<double>(left));
    if (!(scaled >= 0.0)) {
        return 0;
    }
    if (scaled >= static_cast<double>(left)) {
        return left - 1;
    }
    return static_cast<std::size_t>(scaled);
}

}  // namespace

void DealNewGame(BoardState& board, RandomSource& random) {
    ClearBoard(board);

    std::vector<std::int16_t> pool;
    pool.reserve(52);
    for (std::int16_t number = 1; number <= 52; ++number) {
        pool.push_back(number);
    }

    for (std::int16_t suit = 0; suit < kCenterStackCount; ++suit) {
        board.CenterStack[static_cast<std::size_t>(suit)] = Card{1, suit};
    }
    // Take out the aces from the top down, so that each lower position still holds its
    // own card number: 40, 27, 14, 1.
    for (std::ptrdiff_t ace : {40, 27, 14, 1}) {
        pool.erase(pool.begin() + (ace - 1));
    }

    for (std::size_t row = 0; row < kDealtRows; ++row) {
        random.reseed();
        for (std::int16_t n : kStorageOrder) {
            const std::size_t position = drawPosition(random.next(), pool.size());
            board.sideStack(n)[row] = modCards::NumberToCard(pool[position]);
            pool.erase(pool.begin() + static_cast<std::ptrdiff_t>(position));
        }
    }
}

}  // namespace modBoard
