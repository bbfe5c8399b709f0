#include "wav.h"

#include <algorithm>
#include <cstdint>
#include <fstream>

namespace soundgen {
namespace {

void Put16(std::string& b, uint32_t v) {
  b.push_back(char(v & 0xFF));
  b.push_back(char((v >> 8) & 0xFF));
}
void Put32(std::string& b, uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}
int16_t ToPcm(float x) {
  const long v = std::lround(double(x) * 32767.0);
  return static_cast<int16_t>(std::clamp(v, -32768L, 32767L));
}

bool Write(const std::string& path, const std::vector<const Samples*>& channels) {
  const auto count = static_cast<uint32_t>(channels.size());
  const auto frames = static_cast<uint32_t>(channels[0]->size());
  const uint32_t data_bytes = frames * count * 2;
  std::string b;
  b.reserve(44 + data_bytes);
  b += "RIFF";
  Put32(b, 36 + data_bytes);
  b += "WAVEfmt ";
  Put32(b, 16);
  Put16(b, 1);  // PCM
  Put16(b, count);
  Put32(b, kRate);
  Put32(b, kRate * count * 2);
  Put16(b, count * 2);
  Put16(b, 16);
  b += "data";
  Put32(b, data_bytes);
  for (uint32_t i = 0; i < frames; ++i)
    for (const Samples* c : channels) Put16(b, uint16_t(ToPcm((*c)[i])));
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(b.data(), std::streamsize(b.size()));
  return bool(out);
}

}  // namespace

bool WriteWav(const std::string& path, const Samples& mono) {
  return Write(path, {&mono});
}

bool WriteWav(const std::string& path, const Stereo& stereo) {
  return Write(path, {&stereo.left, &stereo.right});
}

}  // namespace soundgen
