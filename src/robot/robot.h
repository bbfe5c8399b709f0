// Computer players' decisions by level.
#pragma once

#include "state/game_state.h"

namespace quorbis {

void AutoAction(Game& g);
void RobotManageAssets(Game& g);
bool RobotUpgradeGroup(Game& g, int s);
bool RobotUnmortgageGroup(Game& g, int s);
void RobotBank(Game& g);

}  // namespace quorbis
