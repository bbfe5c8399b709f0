// Placeholder bodies; the turn engine fills them.
#include "engine/property_dialog.h"

namespace quorbis {

std::string DetailText(const Game&, int) {
  return {};
}
PropertyDialogState PropertyDialogFor(const Game&, int) {
  return {};
}
void PropertyClick(Game&, int) {}

}  // namespace quorbis
