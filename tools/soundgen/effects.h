// The game's sound effects, each synthesised from a fixed seed so that every
// build writes the same files.
#pragma once

#include <string>
#include <vector>

#include "synth.h"

namespace soundgen {

struct Effect {
  std::string file;  // name in the "appdata/" folder
  bool loops;        // played looped: its end must run on into its start
  Samples (*render)();
};

// Every effect the game plays, in a fixed order.
const std::vector<Effect>& Effects();

// Mono 16-bit at kRate; peaks stay below full scale and the result has no DC.
Samples RenderEffect(const Effect& e);

}  // namespace soundgen
