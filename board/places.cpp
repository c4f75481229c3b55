#include "board/places.h"

#include <algorithm>

namespace boardPlaces {

int neighbour(int place, int rowStep, int columnStep) {
    const int row = std::clamp(rowOfPlace(place) + rowStep, 0, kRows - 1);
    const int column = std::clamp(columnOf(place) + columnStep, 0, kColumns - 1);
    return row * kColumns + column;
}

int cardCount(const BoardState& board, int placeNumber) {
    const Place at = place(placeNumber);
    if (at.isCenterStack) {
        return board.centerStack(at.number).isCard() ? 1 : 0;
    }
    return board.countSideStacks().of(at.number);
}

Card cardAt(const BoardState& board, int placeNumber, int card) {
    const Place at = place(placeNumber);
    return at.isCenterStack ? board.centerStack(at.number) : board.card(at.number, card);
}

Card topCard(const BoardState& board, int place) {
    const int count = cardCount(board, place);
    return count > 0 ? cardAt(board, place, count - 1) : kNoCard;
}

bool isSelected(const BoardState& board, int place) {
    // While a card is selected, selectedFrom is its side stack.
    return board.selectedCard.isCard() && placeOfSideStack(board.selectedFrom) == place;
}

}  // namespace boardPlaces
