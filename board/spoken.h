#pragma once

#include <QString>

#include "game/board_state.h"
#include "game/play.h"

// What a screen reader says for the card area, in sentences, the cards named as in
// board/places.h. Nothing of it is drawn: a sighted player sees the same on the board.
namespace spoken {

// What a click did, said as soon as it is done. Before the first deal every click says how to
// deal instead.
QString outcome(const BoardState& board, const ClickOutcome& outcome);
QString dealt();

// Every card of the place, bottom to top, the top card named as such; a center stack's top
// card.
QString stack(const BoardState& board, int place);
// Every place's name, in reading order.
QString board(const BoardState& board);

// The cards of a place as assistive technology lists them: a side stack's cards from the
// bottom, the top card's name saying that it is the top card; the top card of a center stack.
int cardCount(const BoardState& board, int place);
QString cardName(const BoardState& board, int place, int card);

}  // namespace spoken
