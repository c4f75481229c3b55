#include "game/modgame.h"

namespace modGame {
void CheckGameEnd() {}
}  // namespace modGame
