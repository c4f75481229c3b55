#pragma once

#include <QString>

#include "game/board_state.h"
#include "game/play.h"

// Every text the Board window gives a person or a screen reader: its title and controls, the
// names of its parts and cards, and the sentences that say what an action did or read out what
// the board shows. Nothing of the spoken sentences is drawn: a sighted player sees the same on
// the board.
namespace words {

// The fixed texts: the window's title, its controls and menus (with the access key marked by
// '&'), the names of the card area and its list of places, the accessible actions of a place that
// read its cards and where its card can go, what a deal says, and what the repeat key says before
// anything was said. The status bar that holds what an action did has no name: it is read
// without one.
enum class Text {
    WindowTitle,
    NewButton,
    SelectedCardHeading,
    FileMenu,
    NewGameItem,
    ExitItem,
    InfoMenu,
    RulesItem,
    AboutMenu,
    AboutKetterlineItem,
    AboutDravonneItem,
    AboutAuthorItem,
    LicenseItem,
    CardArea,
    PlaceList,
    ReadCardsAction,
    WhereAction,
    NewGameDealt,
    NothingSaidYet
};
QString text(Text which);
// The same text in English, as it stands in the sources.
QString english(Text which);
// The menu items that lead to the About window of Dravonne Software.
inline constexpr Text kAboutDravonnePath[] = {Text::InfoMenu, Text::AboutMenu,
                                              Text::AboutDravonneItem};

// "seven of hearts", "queen of spades"; empty for anything that is not a card.
QString cardName(Card card);
// "clubs", "hearts", "diamonds", "spades" for suit 0..3.
QString suitName(int suit);

// What a sighted player sees at the place, for example "Side stack 3: seven of hearts on top,
// 6 cards", "Side stack 5: empty", "Center stack, hearts: three of hearts", followed by
// ", selected" while the place's top card is the selected one.
QString placeName(const BoardState& board, int place);
// "Selected card: seven of hearts" or "Selected card: none".
QString selectedCardName(const BoardState& board);
// A card of a place as assistive technology lists it (counted as boardPlaces::cardAt counts),
// the top card saying that it is the top card.
QString cardName(const BoardState& board, int place, int card);

// What a click did, said as soon as it is done. Before the first deal every click says how to
// deal instead.
QString outcome(const BoardState& board, const ClickOutcome& outcome);

// Every card of the place, bottom to top, the top card named as such; a center stack's top
// card.
QString stackReading(const BoardState& board, int place);
// Every place's name, in reading order.
QString boardReading(const BoardState& board);
// Where the selected card can go now, or with nothing selected where the top card of the place
// could go if it were, each destination in reading order.
QString destinations(const BoardState& board, int place);

}  // namespace words
