// Placeholder bodies; the jail rules fill them.
#include "cards/jail.h"

namespace quorbis {

void OpenJailWindow(Game&) {}
void PostBail(Game&) {}
void JailClick(Game&, int) {}

}  // namespace quorbis
