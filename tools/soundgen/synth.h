// A small, deterministic synthesis kit: buffers of float samples at 44.1 kHz,
// a seeded noise source, filters, envelopes, a reverb and the finishing steps
// (DC removal, edge fades, peak normalisation) every generated sound goes
// through. No platform audio, no randomness that is not seeded here.
#pragma once

#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace soundgen {

constexpr int kRate = 44100;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

using Samples = std::vector<float>;

// A stereo signal as two equally long channels.
struct Stereo {
  Samples left;
  Samples right;
  explicit Stereo(size_t frames = 0) : left(frames, 0.0f), right(frames, 0.0f) {}
  size_t Frames() const { return left.size(); }
};

inline size_t FramesOf(double seconds) {
  return static_cast<size_t>(std::lround(seconds * kRate));
}

// Splitmix64: the same numbers on every machine and compiler, unlike the
// distributions of <random>.
class Noise {
 public:
  explicit Noise(uint64_t seed) : state_(seed) {}
  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // Uniform in [0, 1).
  double Unit() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }
  // Uniform in [-1, 1).
  double Bipolar() { return 2.0 * Unit() - 1.0; }
  // Uniform in [lo, hi).
  double Range(double lo, double hi) { return lo + (hi - lo) * Unit(); }

 private:
  uint64_t state_;
};

// Equal-tempered pitch of a MIDI note number (69 = A4 = 440 Hz).
inline double NoteHz(double midi) {
  return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0);
}

// Transposed direct form II biquad, coefficients after the audio EQ cookbook.
class Biquad {
 public:
  static Biquad LowPass(double hz, double q);
  static Biquad HighPass(double hz, double q);
  static Biquad BandPass(double hz, double q);  // 0 dB peak gain

  float Process(float x) {
    const double y = b0_ * x + z1_;
    z1_ = b1_ * x - a1_ * y + z2_;
    z2_ = b2_ * x - a2_ * y;
    return static_cast<float>(y);
  }
  void Run(Samples& s) {
    for (float& x : s) x = Process(x);
  }

 private:
  double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
  double z1_ = 0, z2_ = 0;
};

// One decaying sine partial of a struck or plucked body.
struct Partial {
  double hz;
  double amp;
  double decay_s;  // time constant of the exponential decay
};

// Adds the partials (sine phase, so each starts at zero) from `at` seconds.
void AddModes(Samples& out, double at, const std::vector<Partial>& partials, double gain,
              double attack_s = 0.0005);

// Adds a burst of filtered noise with an exponential decay: the impact part
// of a hit, a scrape or a breath.
void AddNoiseBurst(Samples& out, double at, double length_s, double decay_s, Biquad filter,
                   double gain, Noise& noise, double attack_s = 0.0005);

// Adds `src` into `out` from `at` seconds. With `wrap` the part that runs past
// the end continues at the start, so that a loop stays seamless.
void Mix(Samples& out, const Samples& src, double at, double gain, bool wrap = false);

// Attack-decay envelope value at time t: linear rise over `attack`, then
// exponential fall with time constant `decay`.
inline double AttackDecay(double t, double attack, double decay) {
  if (t < 0) return 0;
  if (t < attack) return t / attack;
  return std::exp(-(t - attack) / decay);
}

// Raised-cosine ramp from 0 to 1 over [0, length].
inline double Ramp(double t, double length) {
  if (t <= 0) return 0;
  if (t >= length) return 1;
  return 0.5 - 0.5 * std::cos(std::numbers::pi * t / length);
}

// Finishing steps.
void RemoveDc(Samples& s);
void FadeEdges(Samples& s, double fade_in_s, double fade_out_s);
void Normalize(Samples& s, double peak);
void Normalize(Stereo& s, double peak);
double Peak(const Samples& s);

// A stereo room reverb (parallel combs into series all-passes per side). With
// `circular`, the signal is taken as one period of a loop: the reverb of its
// end rings on into its start.
Stereo Reverb(const Stereo& dry, double room, double damp, bool circular);

}  // namespace soundgen
