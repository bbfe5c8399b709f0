// Placeholder bodies; the economy fills them.
#include "economy/groups.h"

namespace quorbis {

void ApplyAssetChange(Game&, int, int) {}
bool CheckQuorbis(const Game&, int, int) {
  return false;
}
void ShowQuorbisTip(Game&, int) {}

}  // namespace quorbis
