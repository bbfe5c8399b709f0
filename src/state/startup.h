// What every start of the program sets: the folders the game reads its
// pictures and sounds from, and the option defaults.
#pragma once

#include <string>

#include "state/game_state.h"

namespace quorbis {

// `program_folder` is the folder of the executable. Sets AppPath (always
// ending in "/"), WavPath ("appdata/"), MapPath ("maps/new york/") and the
// two music files.
void ResolvePaths(Game& g, std::string program_folder);

}  // namespace quorbis
