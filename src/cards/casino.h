// The casino on square 29.
#pragma once

#include "state/game_state.h"

namespace quorbis {

void RobotBet(Game& g);

}  // namespace quorbis
