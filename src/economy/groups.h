// Colour groups and trusts: the rents and flags that depend on what else the
// owner holds.
#pragma once

#include "state/game_state.h"

namespace quorbis {

// Recomputes the rents and flags of the group or trust of `square` as seen
// from `player`'s holdings (0 = CurSquare, -1 = CurPlayer).
void ApplyAssetChange(Game& g, int square, int player);
bool CheckQuorbis(const Game& g, int AssetID, int CheckRate);
void ShowQuorbisTip(Game& g, int AssetID);

}  // namespace quorbis
