#include "board/spoken.h"

#include <QStringList>

#include "board/places.h"

namespace spoken {

namespace {

// Before the first deal every card of the board is the start-up card; after it the center
// stacks always hold cards.
bool isDealt(const BoardState& board) {
    return board.centerStacks[0].isCard();
}

QString notDealt() {
    return QStringLiteral(
        "No game has been dealt yet. Press New, or choose New Game in the File "
        "menu, to deal.");
}

QString sentence(QString text) {
    if (!text.isEmpty()) {
        text[0] = text[0].toUpper();
    }
    return text;
}

QString nothingSelected(const BoardState& board) {
    return board.selectedCard.isCard() ? sentence(boardPlaces::cardName(board.selectedCard) +
                                                  QStringLiteral(" is still selected."))
                                       : QStringLiteral("Nothing is selected.");
}

QString leftBehind(const outcome::Moved& moved) {
    return moved.fromTop.isCard() ? QStringLiteral("Side stack %1 now shows %2.")
                                        .arg(moved.from)
                                        .arg(boardPlaces::cardName(moved.fromTop))
                                  : QStringLiteral("Side stack %1 is now empty.").arg(moved.from);
}

QString movedText(const outcome::Moved& moved) {
    const QString card = boardPlaces::cardName(moved.card);
    switch (moved.to) {
        case outcome::Destination::SideStack:
            return QStringLiteral("%1 moved onto %2.").arg(card, boardPlaces::cardName(moved.onto));
        case outcome::Destination::EmptySideStack:
            return QStringLiteral("%1 moved to empty side stack %2.").arg(card).arg(moved.target);
        case outcome::Destination::CenterStack:
            break;
    }
    return QStringLiteral("%1 moved home to the %2 center stack.")
        .arg(card, boardPlaces::suitName(moved.target));
}

}  // namespace

QString outcome(const BoardState& board, const ClickOutcome& outcome) {
    if (!isDealt(board)) {
        return notDealt();
    }
    if (const auto* moved = std::get_if<outcome::Moved>(&outcome)) {
        return sentence(movedText(*moved)) + u' ' + leftBehind(*moved);
    }
    if (const auto* selected = std::get_if<outcome::Selected>(&outcome)) {
        return sentence(boardPlaces::cardName(selected->card) + QStringLiteral(" selected."));
    }
    if (const auto* refused = std::get_if<outcome::RefusedHome>(&outcome)) {
        return QStringLiteral("The %1 center stack does not take %2. Nothing is selected.")
            .arg(boardPlaces::suitName(refused->suit), boardPlaces::cardName(refused->card));
    }
    if (const auto* dropped = std::get_if<outcome::Dropped>(&outcome)) {
        return sentence(boardPlaces::cardName(dropped->card) +
                        QStringLiteral(" is no longer selected."));
    }
    return nothingSelected(board);
}

QString dealt() {
    return QStringLiteral("New game dealt.");
}

int cardCount(const BoardState& board, int place) {
    const boardPlaces::Place at = boardPlaces::place(place);
    if (at.isCenterStack) {
        return board.centerStacks[static_cast<unsigned>(at.number)].isCard() ? 1 : 0;
    }
    return board.countSideStacks().of(at.number);
}

QString cardName(const BoardState& board, int place, int card) {
    const boardPlaces::Place at = boardPlaces::place(place);
    const Card shown = at.isCenterStack ? board.centerStacks[static_cast<unsigned>(at.number)]
                                        : board.sideStack(at.number)[static_cast<unsigned>(card)];
    const bool isTop = card == cardCount(board, place) - 1;
    return boardPlaces::cardName(shown) + (isTop ? QStringLiteral(", top card") : QString());
}

QString stack(const BoardState& board, int place) {
    if (!isDealt(board)) {
        return notDealt();
    }
    const boardPlaces::Place at = boardPlaces::place(place);
    const int count = cardCount(board, place);
    if (at.isCenterStack) {
        return QStringLiteral("Center stack, %1: %2 on top.")
            .arg(boardPlaces::suitName(at.number),
                 boardPlaces::cardName(board.centerStacks[static_cast<unsigned>(at.number)]));
    }
    if (count == 0) {
        return QStringLiteral("Side stack %1 is empty.").arg(at.number);
    }
    QStringList cards;
    for (int card = 0; card < count; ++card) {
        cards << boardPlaces::cardName(board.sideStack(at.number)[static_cast<unsigned>(card)]);
    }
    cards.last() += QStringLiteral(" on top");
    return QStringLiteral("Side stack %1, %2 from the bottom: %3.")
        .arg(at.number)
        .arg(count == 1 ? QStringLiteral("1 card") : QStringLiteral("%1 cards").arg(count))
        .arg(cards.join(QStringLiteral(", ")));
}

QString board(const BoardState& board) {
    if (!isDealt(board)) {
        return notDealt();
    }
    QStringList places;
    for (int place = 0; place < boardPlaces::kCount; ++place) {
        places << boardPlaces::placeName(board, place);
    }
    return places.join(QStringLiteral(". ")) + u'.';
}

}  // namespace spoken
