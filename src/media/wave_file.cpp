#include "media/wave_file.h"

#include <cstdint>
#include <cstring>
#include <fstream>

namespace quorbis {
namespace {

uint32_t Le32(const unsigned char* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

}  // namespace

int WaveDurationMs(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  unsigned char riff[12];
  if (!in.read(reinterpret_cast<char*>(riff), 12) || std::memcmp(riff, "RIFF", 4) != 0 ||
      std::memcmp(riff + 8, "WAVE", 4) != 0)
    return -1;
  uint32_t bytes_per_second = 0;
  // Walk the chunks: "fmt " gives the byte rate, "data" the length.
  for (int guard = 0; guard < 64; ++guard) {
    unsigned char head[8];
    if (!in.read(reinterpret_cast<char*>(head), 8)) return -1;
    const uint32_t size = Le32(head + 4);
    if (std::memcmp(head, "fmt ", 4) == 0) {
      unsigned char fmt[16];
      if (size < 16 || !in.read(reinterpret_cast<char*>(fmt), 16)) return -1;
      bytes_per_second = Le32(fmt + 8);
      in.seekg(std::streamoff(size - 16 + (size & 1)), std::ios::cur);
    } else if (std::memcmp(head, "data", 4) == 0) {
      if (bytes_per_second == 0) return -1;
      return static_cast<int>(uint64_t(size) * 1000 / bytes_per_second);
    } else {
      in.seekg(std::streamoff(size + (size & 1)), std::ios::cur);
    }
  }
  return -1;
}

}  // namespace quorbis
