// Placeholder bodies; the computer players' policy fills them.
#include "robot/robot.h"

namespace quorbis {

void AutoAction(Game&) {}
void RobotManageAssets(Game&) {}
bool RobotUpgradeGroup(Game&, int) {
  return false;
}
bool RobotUnmortgageGroup(Game&, int) {
  return false;
}
void RobotBank(Game&) {}

}  // namespace quorbis
