// Placeholder bodies; the turn engine fills them.
#include "engine/movement.h"

namespace quorbis {

void PlayerMove(Game&, int, int, bool, bool) {}
void MoveAction(Game&, int, int, int, bool) {}
int GetPoint(int, bool) {
  return 0;
}
void GoToJail(Game&) {}
void PlayMoveSound(Game&) {}

}  // namespace quorbis
