// Placeholder bodies; the casino rules fill them.
#include "cards/casino.h"

namespace quorbis {

void RobotBet(Game&) {}

}  // namespace quorbis
