// The game's one random generator. Seeded once (from the clock in play, from a
// fixed seed in tests and simulations) and never re-seeded during a game, so
// that consecutive throws are independent and runs can be replayed.
#pragma once

#include <cstdint>

namespace quorbis {

class Rng {
 public:
  explicit Rng(uint64_t seed = 0x5EED) { Seed(seed); }

  void Seed(uint64_t seed);
  static uint64_t ClockSeed();

  uint64_t NextU64() {
    // xoshiro256**: fast, small state, good statistical quality.
    const uint64_t result = Rotl(s_[1] * 5, 7) * 9;
    const uint64_t t = s_[1] << 17;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = Rotl(s_[3], 45);
    return result;
  }

  // A single-precision number in [0, 1) with 24 random bits: the draw every
  // dice, card and choice formula of the rules is written for.
  float NextSingle() { return static_cast<float>(NextU64() >> 40) * (1.0f / 16777216.0f); }

 private:
  static uint64_t Rotl(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
  uint64_t s_[4] = {};
};

}  // namespace quorbis
