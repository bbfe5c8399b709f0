// Writes every sound effect of the game as a 16-bit WAV file, and the two
// pieces of music as WAV files for the MP3 encoder.
//
//   quorbis-soundgen --effects DIR [--music DIR] [--only NAME]
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "effects.h"
#include "music.h"
#include "wav.h"

namespace {

int Usage() {
  std::fprintf(stderr, "usage: quorbis-soundgen --effects DIR [--music DIR] [--only NAME]\n");
  return 2;
}

bool Prepare(const std::string& dir) {
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  return std::filesystem::is_directory(dir);
}

// "backmusic.mp3" -> "backmusic.wav": the encoder's input.
std::string WavName(const std::string& mp3) {
  return mp3.substr(0, mp3.rfind('.')) + ".wav";
}

}  // namespace

int main(int argc, char** argv) {
  std::string effects_dir, music_dir, only;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (!std::strcmp(argv[i], "--effects"))
      effects_dir = argv[i + 1];
    else if (!std::strcmp(argv[i], "--music"))
      music_dir = argv[i + 1];
    else if (!std::strcmp(argv[i], "--only"))
      only = argv[i + 1];
    else
      return Usage();
  }
  if (effects_dir.empty() || argc % 2 == 0) return Usage();

  int failures = 0;
  auto write = [&](const std::string& path, const auto& samples) {
    if (!soundgen::WriteWav(path, samples)) {
      std::fprintf(stderr, "quorbis-soundgen: cannot write %s\n", path.c_str());
      ++failures;
    }
  };
  if (!Prepare(effects_dir)) return Usage();
  for (const auto& e : soundgen::Effects()) {
    if (!only.empty() && only != e.file) continue;
    write(effects_dir + "/" + e.file, soundgen::RenderEffect(e));
  }
  if (!music_dir.empty()) {
    if (!Prepare(music_dir)) return Usage();
    for (const auto& p : soundgen::Pieces()) {
      if (!only.empty() && only != p.file) continue;
      write(music_dir + "/" + WavName(p.file), soundgen::RenderPiece(p));
    }
  }
  return failures ? 1 : 0;
}
