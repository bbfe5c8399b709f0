// Moving a token: the split into straight runs along the board's sides, the
// salary on reaching GO, the bank settlement on reaching or passing square
// 21, and the jump to jail.
#pragma once

#include "state/game_state.h"

namespace quorbis {

void PlayerMove(Game& g, int PlayerID, int DiceNo, bool StepOrLoc, bool IsBack);
void MoveAction(Game& g, int PlayerID, int FromNo, int ToNo, bool IsBack);
// The corner at which the side leading to (IsTo) or away from a square begins.
int GetPoint(int LocNo, bool IsTo);
void GoToJail(Game& g);
void PlayMoveSound(Game& g);

}  // namespace quorbis
