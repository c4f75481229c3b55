#include "board/places.h"

#include <algorithm>

namespace boardPlaces {

namespace {

const QString kSuitNames[kSuitCount] = {QStringLiteral("clubs"), QStringLiteral("hearts"),
                                        QStringLiteral("diamonds"), QStringLiteral("spades")};

}  // namespace

int neighbour(int place, int rowStep, int columnStep) {
    const int row = std::clamp(place / kColumns + rowStep, 0, kRows - 1);
    const int column = std::clamp(place % kColumns + columnStep, 0, kColumns - 1);
    return row * kColumns + column;
}

int topItem(const BoardState& board, int stack) {
    return std::max(board.countSideStacks().of(stack) - 1, 0);
}

QString suitName(int suit) {
    return kSuitNames[suit];
}

QString cardName(Card card) {
    static const QString kRankNames[kRanksPerSuit] = {
        QStringLiteral("ace"),   QStringLiteral("two"),   QStringLiteral("three"),
        QStringLiteral("four"),  QStringLiteral("five"),  QStringLiteral("six"),
        QStringLiteral("seven"), QStringLiteral("eight"), QStringLiteral("nine"),
        QStringLiteral("ten"),   QStringLiteral("jack"),  QStringLiteral("queen"),
        QStringLiteral("king")};
    if (!card.isCard()) {
        return {};
    }
    return kRankNames[card.rank - 1] + QStringLiteral(" of ") + kSuitNames[card.suit];
}

bool isSelected(const BoardState& board, int placeNumber) {
    const Place at = place(placeNumber);
    return !at.isCenterStack && board.selectedCard.isCard() && board.selectedFrom == at.number;
}

QString placeName(const BoardState& board, int placeNumber) {
    const Place at = place(placeNumber);
    QString name;
    if (at.isCenterStack) {
        const Card top = board.centerStacks[static_cast<unsigned>(at.number)];
        name =
            QStringLiteral("Center stack, %1: %2")
                .arg(kSuitNames[at.number], top.isCard() ? cardName(top) : QStringLiteral("empty"));
    } else {
        const int count = board.countSideStacks().of(at.number);
        name = count == 0 ? QStringLiteral("Side stack %1: empty").arg(at.number)
                          : QStringLiteral("Side stack %1: %2 on top, %3 %4")
                                .arg(at.number)
                                .arg(cardName(board.topCard(at.number)))
                                .arg(count)
                                .arg(count == 1 ? QStringLiteral("card") : QStringLiteral("cards"));
    }
    if (isSelected(board, placeNumber)) {
        name += QStringLiteral(", selected");
    }
    return name;
}

QString selectedCardName(const BoardState& board) {
    return QStringLiteral("Selected card: ") +
           (board.selectedCard.isCard() ? cardName(board.selectedCard) : QStringLiteral("none"));
}

}  // namespace boardPlaces
