#include "game/board_state.h"

#include <cmath>
#include <cstddef>
#include <vector>

#include "game/random_source.h"

StackCounts BoardState::countSideStacks() const {
    StackCounts counts;
    for (int stack = 1; stack <= kSideStackCount; ++stack) {
        for (const Card& card : sideStacks[stack]) {
            counts.cards[stack] += card.isCard() ? 1 : 0;
        }
    }
    return counts;
}

Card BoardState::topCard(int stack) const {
    const int top = countSideStacks().topSlot(stack);
    return top >= 0 ? card(stack, top) : kNoCard;
}

void BoardState::clear() {
    selectedCard = kNoCard;
    centerStacks.fill(kNoCard);
    for (SideStack& stack : sideStacks) {
        stack.fill(kNoCard);
    }
}

namespace {

// Turns r (0 <= r < 1) into a 0-based position below `left`, forming the product in double
// precision. A source that breaks its contract (r outside [0, 1), NaN) is clamped so that
// it can never index outside the pool.
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

Dealt dealNewGame(BoardState& board, RandomSource& random) {
    const BoardState before = board;
    board.clear();

    // The aces go to the center stacks; the pool keeps the other card numbers in ascending
    // order, which decides which card a random value picks.
    std::vector<int> pool;
    pool.reserve(kDeckSize);
    for (int number = 1; number <= kDeckSize; ++number) {
        const Card card = cardWithNumber(number);
        if (card.rank == 1) {
            board.centerStack(card.suit) = card;
        } else {
            pool.push_back(number);
        }
    }

    for (std::size_t row = 0; row < kDealtRows; ++row) {
        random.reseed();
        for (int stack : kDealOrder) {
            const std::size_t position = drawPosition(random.next(), pool.size());
            board.sideStacks[stack][row] = cardWithNumber(pool[position]);
            pool.erase(pool.begin() + static_cast<std::ptrdiff_t>(position));
        }
    }

    // Only cards count: before the first deal every slot held the start-up card.
    const auto changed = [](Card was, Card is) {
        return was.isCard() != is.isCard() || (is.isCard() && was != is);
    };
    Dealt dealt;
    for (int stack = 1; stack <= kSideStackCount; ++stack) {
        for (std::size_t slot = 0; slot < kSlotsPerSideStack; ++slot) {
            dealt.sideSlots[stack][slot] =
                changed(before.sideStacks[stack][slot], board.sideStacks[stack][slot]);
        }
    }
    for (std::size_t suit = 0; suit < kSuitCount; ++suit) {
        dealt.centerStacks[suit] = changed(before.centerStacks[suit], board.centerStacks[suit]);
    }
    return dealt;
}
