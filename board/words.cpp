#include "board/words.h"

#include <QStringList>

#include "board/places.h"

namespace words {

namespace {

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
    return board.selectedCard.isCard()
               ? sentence(cardName(board.selectedCard) + QStringLiteral(" is still selected."))
               : QStringLiteral("Nothing is selected.");
}

QString leftBehind(const outcome::Moved& moved) {
    return moved.fromTop.isCard() ? QStringLiteral("Side stack %1 now shows %2.")
                                        .arg(moved.from)
                                        .arg(cardName(moved.fromTop))
                                  : QStringLiteral("Side stack %1 is now empty.").arg(moved.from);
}

QString movedText(const outcome::Moved& moved) {
    const QString card = cardName(moved.card);
    switch (moved.to) {
        case outcome::Destination::SideStack:
            return QStringLiteral("%1 moved onto %2.").arg(card, cardName(moved.onto));
        case outcome::Destination::EmptySideStack:
            return QStringLiteral("%1 moved to empty side stack %2.").arg(card).arg(moved.target);
        case outcome::Destination::CenterStack:
            break;
    }
    return QStringLiteral("%1 moved home to the %2 center stack.")
        .arg(card, suitName(moved.target));
}

// "onto eight of clubs on side stack 6", "to empty side stack 3", "home", in reading order and
// joined as a list: "A", "A or B", "A, B, or C".
QString destinationList(const BoardState& board, Card card, const Destinations& where) {
    QStringList items;
    for (int place = 0; place < boardPlaces::kCount; ++place) {
        const boardPlaces::Place at = boardPlaces::place(place);
        if (at.isCenterStack) {
            if (where.home && at.number == card.suit) {
                items << QStringLiteral("home");
            }
        } else if (where.sideStacks[static_cast<std::size_t>(at.number - 1)]) {
            const Card top = board.topCard(at.number);
            items << (top.isCard() ? QStringLiteral("onto %1 on side stack %2")
                                         .arg(cardName(top))
                                         .arg(at.number)
                                   : QStringLiteral("to empty side stack %1").arg(at.number));
        }
    }
    if (items.size() < 2) {
        return items.value(0);
    }
    const QString last = items.takeLast();
    return items.size() == 1
               ? QStringLiteral("%1 or %2").arg(items.first(), last)
               : QStringLiteral("%1, or %2").arg(items.join(QStringLiteral(", ")), last);
}

}  // namespace

QString text(Text which) {
    static const QString kTexts[] = {QStringLiteral("Board"),
                                     QStringLiteral("New"),
                                     QStringLiteral("Selected Card"),
                                     QStringLiteral("&File"),
                                     QStringLiteral("&New Game"),
                                     QStringLiteral("&Exit"),
                                     QStringLiteral("&Info"),
                                     QStringLiteral("&Rules"),
                                     QStringLiteral("&About"),
                                     QStringLiteral("&Ketterline"),
                                     QStringLiteral("&Dravonne"),
                                     QStringLiteral("&Author"),
                                     QStringLiteral("&License"),
                                     QStringLiteral("Cards"),
                                     QStringLiteral("Places"),
                                     QString(),
                                     QStringLiteral("Read the cards"),
                                     QStringLiteral("Where can it go"),
                                     QStringLiteral("Nothing has been said yet.")};
    return kTexts[static_cast<int>(which)];
}

QString suitName(int suit) {
    static const QString kSuitNames[kSuitCount] = {
        QStringLiteral("clubs"), QStringLiteral("hearts"), QStringLiteral("diamonds"),
        QStringLiteral("spades")};
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
    return kRankNames[card.rank - 1] + QStringLiteral(" of ") + suitName(card.suit);
}

QString placeName(const BoardState& board, int place) {
    const boardPlaces::Place at = boardPlaces::place(place);
    const Card top = boardPlaces::topCard(board, place);
    QString name;
    if (at.isCenterStack) {
        name =
            QStringLiteral("Center stack, %1: %2")
                .arg(suitName(at.number), top.isCard() ? cardName(top) : QStringLiteral("empty"));
    } else {
        const int count = boardPlaces::cardCount(board, place);
        name = count == 0 ? QStringLiteral("Side stack %1: empty").arg(at.number)
                          : QStringLiteral("Side stack %1: %2 on top, %3 %4")
                                .arg(at.number)
                                .arg(cardName(top))
                                .arg(count)
                                .arg(count == 1 ? QStringLiteral("card") : QStringLiteral("cards"));
    }
    if (boardPlaces::isSelected(board, place)) {
        name += QStringLiteral(", selected");
    }
    return name;
}

QString selectedCardName(const BoardState& board) {
    return QStringLiteral("Selected card: ") +
           (board.selectedCard.isCard() ? cardName(board.selectedCard) : QStringLiteral("none"));
}

QString cardName(const BoardState& board, int place, int card) {
    const bool isTop = card == boardPlaces::cardCount(board, place) - 1;
    return cardName(boardPlaces::cardAt(board, place, card)) +
           (isTop ? QStringLiteral(", top card") : QString());
}

QString outcome(const BoardState& board, const ClickOutcome& outcome) {
    if (!board.isDealt()) {
        return notDealt();
    }
    if (const auto* moved = std::get_if<outcome::Moved>(&outcome)) {
        return sentence(movedText(*moved)) + u' ' + leftBehind(*moved);
    }
    if (const auto* selected = std::get_if<outcome::Selected>(&outcome)) {
        return sentence(cardName(selected->card) + QStringLiteral(" selected."));
    }
    if (const auto* refused = std::get_if<outcome::RefusedHome>(&outcome)) {
        return QStringLiteral("The %1 center stack does not take %2. Nothing is selected.")
            .arg(suitName(refused->suit), cardName(refused->card));
    }
    if (const auto* dropped = std::get_if<outcome::Dropped>(&outcome)) {
        return sentence(cardName(dropped->card) + QStringLiteral(" is no longer selected."));
    }
    return nothingSelected(board);
}

QString dealt() {
    return QStringLiteral("New game dealt.");
}

QString stackReading(const BoardState& board, int place) {
    if (!board.isDealt()) {
        return notDealt();
    }
    const boardPlaces::Place at = boardPlaces::place(place);
    if (at.isCenterStack) {
        return QStringLiteral("Center stack, %1: %2 on top.")
            .arg(suitName(at.number), cardName(boardPlaces::topCard(board, place)));
    }
    const int count = boardPlaces::cardCount(board, place);
    if (count == 0) {
        return QStringLiteral("Side stack %1 is empty.").arg(at.number);
    }
    QStringList cards;
    for (int card = 0; card < count; ++card) {
        cards << cardName(boardPlaces::cardAt(board, place, card));
    }
    cards.last() += QStringLiteral(" on top");
    return QStringLiteral("Side stack %1, %2 from the bottom: %3.")
        .arg(at.number)
        .arg(count == 1 ? QStringLiteral("1 card") : QStringLiteral("%1 cards").arg(count))
        .arg(cards.join(QStringLiteral(", ")));
}

QString boardReading(const BoardState& board) {
    if (!board.isDealt()) {
        return notDealt();
    }
    QStringList places;
    for (int place = 0; place < boardPlaces::kCount; ++place) {
        places << placeName(board, place);
    }
    return places.join(QStringLiteral(". ")) + u'.';
}

QString destinations(const BoardState& board, int place) {
    if (!board.isDealt()) {
        return notDealt();
    }
    const bool selected = board.selectedCard.isCard();
    const Card card = selected ? board.selectedCard : boardPlaces::topCard(board, place);
    if (!selected && (boardPlaces::place(place).isCenterStack || !card.isCard())) {
        return QStringLiteral("There is no card here to move.");
    }
    const Destinations where = destinationsOf(board, card);
    if (selected) {
        return where.any() ? QStringLiteral("%1 can go %2.")
                                 .arg(sentence(cardName(card)), destinationList(board, card, where))
                           : QStringLiteral("%1 can go nowhere.").arg(sentence(cardName(card)));
    }
    return where.any() ? QStringLiteral("If selected, %1 could go %2.")
                             .arg(cardName(card), destinationList(board, card, where))
                       : QStringLiteral("If selected, %1 could go nowhere.").arg(cardName(card));
}

}  // namespace words
