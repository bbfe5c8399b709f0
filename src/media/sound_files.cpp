// The sound layer is built on SDL2_mixer; until then the game is silent.
#include "engine/front_end.h"
