// Placeholder bodies; the card rules fill them.
#include "cards/cards.h"

namespace quorbis {

void RobotDestinyAction(Game&) {}
int AutoDice(Game&) {
  return 0;
}
void RobotDestiny(Game&) {}
void ApplyLuckCard(Game&, int) {}
void ApplyChanceCard(Game&, int) {}
void ResumeAfterCard(Game&, int, bool) {}
void CardOk(Game&) {}
void RestoreUtilityMultiplier(Game&) {}

}  // namespace quorbis
