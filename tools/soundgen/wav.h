// 16-bit PCM WAV files.
#pragma once

#include <string>

#include "synth.h"

namespace soundgen {

// Rounds to 16 bits (clamping, though the finished sounds never reach full
// scale). Returns false when the file cannot be written.
bool WriteWav(const std::string& path, const Samples& mono);
bool WriteWav(const std::string& path, const Stereo& stereo);

}  // namespace soundgen
