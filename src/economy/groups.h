// Colour groups and trusts: the rents and flags that depend on what else the
// owner holds.
#pragma once

#include "state/game_state.h"

namespace quorbis {

// Recomputes the rents and flags of the group or trust of `square` as seen
// from `player`'s holdings (square 0 = CurSquare, player -1 = CurPlayer).
void ApplyAssetChange(Game& g, int square, int player);
// Whether the current player holds more than `CheckRate` percent of the
// colour group of `AssetID` (at least `CheckRate` percent of a trust or the
// utilities). Mortgages do not count here.
bool CheckQuorbis(const Game& g, int AssetID, int CheckRate);
// The same for any player.
bool CheckQuorbisFor(const Game& g, int player, int AssetID, int CheckRate);
// Announces a whole group or trust of the current player.
void ShowQuorbisTip(Game& g, int AssetID);

}  // namespace quorbis
