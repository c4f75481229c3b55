#pragma once

// The hook that runs after moves. The game never detects a won or blocked position, so
// it does nothing; it exists so that a later rule has one place to live.
namespace modGame {
void CheckGameEnd();
}
