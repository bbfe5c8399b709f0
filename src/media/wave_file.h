// Reading just enough of a WAV file's header to know how long it plays.
#pragma once

#include <string>

namespace quorbis {

// The playing time of a PCM WAV file in milliseconds, or -1 when the file is
// missing or not a WAV file.
int WaveDurationMs(const std::string& path);

}  // namespace quorbis
