// The two pieces of music: a relaxed jazz tune under a whole game and a
// livelier one for the title screen. Each is one period of a seamless loop.
#pragma once

#include <string>
#include <vector>

#include "synth.h"

namespace soundgen {

struct Piece {
  std::string file;  // the name of the encoded file in "appdata/" ("backmusic.mp3")
  Stereo (*render)();
};

const std::vector<Piece>& Pieces();

// Stereo 16-bit at kRate, normalised below full scale, periodic: its last
// frame runs on into its first.
Stereo RenderPiece(const Piece& p);

}  // namespace soundgen
