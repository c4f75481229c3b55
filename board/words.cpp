#include "board/words.h"

#include <QCoreApplication>
#include <QStringList>

#include "board/places.h"

namespace words {

namespace {

// The translations' context: every text of the Board window is one of the Board's.
class Board {
    Q_DECLARE_TR_FUNCTIONS(Board)
};

QString notDealt() {
    return Board::tr(
        "No game has been dealt yet. Press New, or choose New Game in the File menu, to deal.");
}

QString sentence(QString text) {
    if (!text.isEmpty()) {
        text[0] = text[0].toUpper();
    }
    return text;
}

QString nothingSelected(const BoardState& board) {
    return board.selectedCard.isCard()
               ? sentence(Board::tr("%1 is still selected.").arg(cardName(board.selectedCard)))
               : Board::tr("Nothing is selected.");
}

QString leftBehind(const outcome::Moved& moved) {
    return moved.fromTop.isCard() ? Board::tr("Side stack %1 now shows %2.")
                                        .arg(moved.from)
                                        .arg(cardName(moved.fromTop))
                                  : Board::tr("Side stack %1 is now empty.").arg(moved.from);
}

QString movedText(const outcome::Moved& moved) {
    const QString card = cardName(moved.card);
    switch (moved.to) {
        case outcome::Destination::SideStack:
            //: %1 and %2 are cards, as "seven of hearts".
            return Board::tr("%1 moved onto %2.").arg(card, cardName(moved.onto));
        case outcome::Destination::EmptySideStack:
            return Board::tr("%1 moved to empty side stack %2.").arg(card).arg(moved.target);
        case outcome::Destination::CenterStack:
            break;
    }
    //: %2 is a suit, as "hearts".
    return Board::tr("%1 moved home to the %2 center stack.").arg(card, suitName(moved.target));
}

// "onto eight of clubs on side stack 6", "to empty side stack 3", "home", in reading order and
// joined as a list: "A", "A or B", "A, B, or C".
QString destinationList(const BoardState& board, Card card, const Destinations& where) {
    QStringList items;
    for (int place = 0; place < boardPlaces::kCount; ++place) {
        const boardPlaces::Place at = boardPlaces::place(place);
        if (at.isCenterStack) {
            if (where.home && at.number == card.suit) {
                //: Where a card can go: onto the center stack of its suit.
                items << Board::tr("home");
            }
        } else if (where.sideStacks[at.number]) {
            const Card top = board.topCard(at.number);
            items << (top.isCard()
                          ? Board::tr("onto %1 on side stack %2").arg(cardName(top)).arg(at.number)
                          : Board::tr("to empty side stack %1").arg(at.number));
        }
    }
    if (items.size() < 2) {
        return items.value(0);
    }
    const QString last = items.takeLast();
    //: The last two places a card can go, or all before the last, as "A, B" and the last.
    return items.size() == 1 ? Board::tr("%1 or %2").arg(items.first(), last)
                             //: The places a card can go but the last, joined.
                             : Board::tr("%1, or %2").arg(items.join(Board::tr(", ")), last);
}

const char* sourceOf(Text which) {
    static const char* const kTexts[] = {QT_TRANSLATE_NOOP("Board", "Board"),
                                         QT_TRANSLATE_NOOP("Board", "New"),
                                         QT_TRANSLATE_NOOP("Board", "Selected Card"),
                                         QT_TRANSLATE_NOOP("Board", "&File"),
                                         QT_TRANSLATE_NOOP("Board", "&New Game"),
                                         QT_TRANSLATE_NOOP("Board", "&Exit"),
                                         QT_TRANSLATE_NOOP("Board", "&Info"),
                                         QT_TRANSLATE_NOOP("Board", "&Rules"),
                                         QT_TRANSLATE_NOOP("Board", "&About"),
                                         QT_TRANSLATE_NOOP("Board", "&Ketterline"),
                                         QT_TRANSLATE_NOOP("Board", "&Dravonne"),
                                         QT_TRANSLATE_NOOP("Board", "&Author"),
                                         QT_TRANSLATE_NOOP("Board", "&License"),
                                         QT_TRANSLATE_NOOP("Board", "Cards"),
                                         QT_TRANSLATE_NOOP("Board", "Places"),
                                         QT_TRANSLATE_NOOP("Board", "Read the cards"),
                                         QT_TRANSLATE_NOOP("Board", "Where can it go"),
                                         QT_TRANSLATE_NOOP("Board", "New game dealt."),
                                         QT_TRANSLATE_NOOP("Board", "Nothing has been said yet.")};
    return kTexts[static_cast<int>(which)];
}

}  // namespace

QString text(Text which) {
    return Board::tr(sourceOf(which));
}

QString english(Text which) {
    return QString::fromUtf8(sourceOf(which));
}

QString suitName(int suit) {
    static const char* const kSuitNames[kSuitCount] = {
        QT_TRANSLATE_NOOP("Board", "clubs"), QT_TRANSLATE_NOOP("Board", "hearts"),
        QT_TRANSLATE_NOOP("Board", "diamonds"), QT_TRANSLATE_NOOP("Board", "spades")};
    return Board::tr(kSuitNames[suit]);
}

QString cardName(Card card) {
    static const char* const kRankNames[kRanksPerSuit] = {
        QT_TRANSLATE_NOOP("Board", "ace"),   QT_TRANSLATE_NOOP("Board", "two"),
        QT_TRANSLATE_NOOP("Board", "three"), QT_TRANSLATE_NOOP("Board", "four"),
        QT_TRANSLATE_NOOP("Board", "five"),  QT_TRANSLATE_NOOP("Board", "six"),
        QT_TRANSLATE_NOOP("Board", "seven"), QT_TRANSLATE_NOOP("Board", "eight"),
        QT_TRANSLATE_NOOP("Board", "nine"),  QT_TRANSLATE_NOOP("Board", "ten"),
        QT_TRANSLATE_NOOP("Board", "jack"),  QT_TRANSLATE_NOOP("Board", "queen"),
        QT_TRANSLATE_NOOP("Board", "king")};
    // A card of each suit, its rank put in for %1.
    static const char* const kCardsOfSuit[kSuitCount] = {
        QT_TRANSLATE_NOOP("Board", "%1 of clubs"), QT_TRANSLATE_NOOP("Board", "%1 of hearts"),
        QT_TRANSLATE_NOOP("Board", "%1 of diamonds"), QT_TRANSLATE_NOOP("Board", "%1 of spades")};
    if (!card.isCard()) {
        return {};
    }
    return Board::tr(kCardsOfSuit[card.suit]).arg(Board::tr(kRankNames[card.rank - 1]));
}

QString placeName(const BoardState& board, int place) {
    const boardPlaces::Place at = boardPlaces::place(place);
    const Card top = boardPlaces::topCard(board, place);
    QString name;
    if (at.isCenterStack) {
        //: %1 is a suit, as "hearts"; %2 its top card, as "three of hearts".
        name = top.isCard()
                   ? Board::tr("Center stack, %1: %2").arg(suitName(at.number), cardName(top))
                   : Board::tr("Center stack, %1: empty").arg(suitName(at.number));
    } else {
        const int count = boardPlaces::cardCount(board, place);
        name = count == 0 ? Board::tr("Side stack %1: empty").arg(at.number)
                          : Board::tr("Side stack %1: %2 on top, %n card(s)", nullptr, count)
                                .arg(at.number)
                                .arg(cardName(top));
    }
    //: A place whose top card is the selected card; %1 is the place's name.
    return boardPlaces::isSelected(board, place) ? Board::tr("%1, selected").arg(name) : name;
}

QString selectedCardName(const BoardState& board) {
    return board.selectedCard.isCard()
               ? Board::tr("Selected card: %1").arg(cardName(board.selectedCard))
               : Board::tr("Selected card: none");
}

QString cardName(const BoardState& board, int place, int card) {
    const QString name = cardName(boardPlaces::cardAt(board, place, card));
    return card == boardPlaces::cardCount(board, place) - 1 ? Board::tr("%1, top card").arg(name)
                                                            : name;
}

QString outcome(const BoardState& board, const ClickOutcome& outcome) {
    if (!board.isDealt()) {
        return notDealt();
    }
    if (const auto* moved = std::get_if<outcome::Moved>(&outcome)) {
        return sentence(movedText(*moved)) + u' ' + leftBehind(*moved);
    }
    if (const auto* selected = std::get_if<outcome::Selected>(&outcome)) {
        return sentence(Board::tr("%1 selected.").arg(cardName(selected->card)));
    }
    if (const auto* refused = std::get_if<outcome::RefusedHome>(&outcome)) {
        //: %1 is a suit, as "hearts"; %2 a card, as "seven of hearts".
        return Board::tr("The %1 center stack does not take %2. Nothing is selected.")
            .arg(suitName(refused->suit), cardName(refused->card));
    }
    if (const auto* dropped = std::get_if<outcome::Dropped>(&outcome)) {
        return sentence(Board::tr("%1 is no longer selected.").arg(cardName(dropped->card)));
    }
    return nothingSelected(board);
}

QString stackReading(const BoardState& board, int place) {
    if (!board.isDealt()) {
        return notDealt();
    }
    const boardPlaces::Place at = boardPlaces::place(place);
    if (at.isCenterStack) {
        return Board::tr("Center stack, %1: %2 on top.")
            .arg(suitName(at.number), cardName(boardPlaces::topCard(board, place)));
    }
    const int count = boardPlaces::cardCount(board, place);
    if (count == 0) {
        return Board::tr("Side stack %1 is empty.").arg(at.number);
    }
    QStringList cards;
    for (int card = 0; card < count; ++card) {
        cards << cardName(boardPlaces::cardAt(board, place, card));
    }
    //: The last card of a stack read from the bottom; %1 is the card.
    cards.last() = Board::tr("%1 on top").arg(cards.last());
    //: %1 is the side stack's number, %2 its cards from the bottom, joined by ", ".
    return Board::tr("Side stack %1, %n card(s) from the bottom: %2.", nullptr, count)
        .arg(at.number)
        .arg(cards.join(Board::tr(", ")));
}

QString boardReading(const BoardState& board) {
    if (!board.isDealt()) {
        return notDealt();
    }
    QStringList places;
    for (int place = 0; place < boardPlaces::kCount; ++place) {
        places << placeName(board, place);
    }
    //: Between the names of the places, and after the last, when the board is read out.
    return places.join(Board::tr(". ")) + Board::tr(".");
}

QString destinations(const BoardState& board, int place) {
    if (!board.isDealt()) {
        return notDealt();
    }
    const bool selected = board.selectedCard.isCard();
    const Card card = selected ? board.selectedCard : boardPlaces::topCard(board, place);
    if (!selected && (boardPlaces::place(place).isCenterStack || !card.isCard())) {
        return Board::tr("There is no card here to move.");
    }
    const Destinations where = destinationsOf(board, card);
    if (!where.any()) {
        return sentence((selected ? Board::tr("%1 can go nowhere.")
                                  : Board::tr("If selected, %1 could go nowhere."))
                            .arg(cardName(card)));
    }
    //: %1 is a card, %2 where it can go, as "onto eight of clubs on side stack 6 or home".
    return sentence(
        (selected ? Board::tr("%1 can go %2.") : Board::tr("If selected, %1 could go %2."))
            .arg(cardName(card), destinationList(board, card, where)));
}

}  // namespace words
