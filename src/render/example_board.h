// A game in progress for pictures and measurements: four players, some
// squares owned, upgraded and mortgaged, tokens spread over the board (two of
// them sharing a square). Used by the board screenshot tool and the benchmarks.
#pragma once

#include "state/game_state.h"

namespace quorbis {

// A fresh board with `players` players (2..4) and no owners.
void MakeFreshBoard(Game& g, int players);
// The fresh board with the example owners, star classes, mortgages and tokens.
void MakeExampleGame(Game& g);

}  // namespace quorbis
