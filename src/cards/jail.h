// Jail: the jail window's decisions for people and computer players.
#pragma once

#include "state/game_state.h"

namespace quorbis {

// Jail window buttons.
enum JailButton { kPostBail = 0, kStayInJail = 1, kUseCard = 2 };

// Opens the jail window for the current player (a computer player's decision
// is complete when it returns).
void OpenJailWindow(Game& g);
void PostBail(Game& g);
void JailClick(Game& g, int button);

}  // namespace quorbis
