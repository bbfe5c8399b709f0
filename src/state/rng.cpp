#include "state/rng.h"

#include <chrono>

namespace quorbis {

void Rng::Seed(uint64_t seed) {
  // splitmix64 spreads any seed (0 included) over the whole state.
  uint64_t x = seed;
  for (uint64_t& word : s_) {
    x += 0x9E3779B97F4A7C15ull;
    uint64_t z = x;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    word = z ^ (z >> 31);
  }
}

uint64_t Rng::ClockSeed() {
  return static_cast<uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

}  // namespace quorbis
