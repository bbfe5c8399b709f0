// Bankruptcy, worth, ranking and the end of a game.
#pragma once

#include "engine/front_end.h"
#include "state/game_state.h"

namespace quorbis {

// The current player goes bankrupt owing `creditor` (-1, the bankrupt
// himself, or a player out of the game: the bank). The creditor inherits his
// squares as they stand; the bank takes them back unmortgaged otherwise.
// Ends the game when one player, or no person, is left: every game window
// closes, the winner is shown, GameRunning becomes false and GameOver 1.
// Event: Bankruptcy (other = creditor or -1, a = the cash written off,
// b = DebtCause), then Winner at the end of a game.
void DeclareBankrupt(Game& g, int creditor, DebtCause cause);
// A person gives up the debt he could not raise: bankrupt to whoever he owes
// (the creditor kept when the debt opened; the bank when none is kept).
void DeclareBankruptForOpenDebt(Game& g);
// Recomputes every player's Worth and Ranking (1 the richest; equal worths
// share the better place).
void UpdateRanking(Game& g);
// The winner among the players still in the game: the one ranked 1 with the
// highest index; when none is ranked 1, the one with the highest worth, ties
// to the highest index. -1 when nobody is left.
int ChooseWinner(const Game& g);

}  // namespace quorbis
