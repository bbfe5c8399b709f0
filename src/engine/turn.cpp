// Placeholder bodies; the turn engine fills them.
#include "engine/turn.h"

namespace quorbis {

void StartNewGame(Game&) {}
void MainLoop(Game&) {}
void PlayerTurn(Game&) {}
void UserDice(Game&) {}
void RobotLoop(Game&) {}
void LuckLoop(Game&) {}
void LuckUserDice(Game&, int, bool) {}
void LuckRobotLoop(Game&, int, bool) {}
int RollDice(Game&) {
  return 7;
}
void UpdateActionMenu(Game&) {}
ActionMenuState ActionMenuFor(const Game&, int) {
  return {};
}
void DiceClick(Game&) {}
void BankruptClick(Game&) {}
void QuitGame(Game&, bool) {}

}  // namespace quorbis
