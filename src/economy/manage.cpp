// Placeholder bodies; the economy fills them.
#include "economy/manage.h"

namespace quorbis {

void OpenManageDialog(Game&, int, bool) {}
bool ManageCardEnabled(const Game&, int, int) {
  return false;
}
void ManageCardClick(Game&, int) {}
void ManageDone(Game&) {}

}  // namespace quorbis
