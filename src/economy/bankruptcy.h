// Bankruptcy, worth, ranking and the end of a game.
#pragma once

#include "engine/front_end.h"
#include "state/game_state.h"

namespace quorbis {

// The current player goes bankrupt owing `creditor` (-1 or the bankrupt
// himself: the bank). The creditor inherits his squares; the bank takes them
// back unmortgaged otherwise. Ends the game when one player, or no person, is
// left.
void DeclareBankrupt(Game& g, int creditor, DebtCause cause);
void UpdateRanking(Game& g);
// The winner among the players still in the game.
int ChooseWinner(const Game& g);

}  // namespace quorbis
