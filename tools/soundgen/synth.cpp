#include "synth.h"

#include <algorithm>
#include <array>

namespace soundgen {
namespace {

struct Cookbook {
  double w0, cs, alpha;
};
Cookbook Prepare(double hz, double q) {
  const double w0 = kTwoPi * hz / kRate;
  return {w0, std::cos(w0), std::sin(w0) / (2.0 * q)};
}

}  // namespace

Biquad Biquad::LowPass(double hz, double q) {
  const auto c = Prepare(hz, q);
  const double a0 = 1 + c.alpha;
  Biquad f;
  f.b0_ = (1 - c.cs) / 2 / a0;
  f.b1_ = (1 - c.cs) / a0;
  f.b2_ = f.b0_;
  f.a1_ = -2 * c.cs / a0;
  f.a2_ = (1 - c.alpha) / a0;
  return f;
}

Biquad Biquad::HighPass(double hz, double q) {
  const auto c = Prepare(hz, q);
  const double a0 = 1 + c.alpha;
  Biquad f;
  f.b0_ = (1 + c.cs) / 2 / a0;
  f.b1_ = -(1 + c.cs) / a0;
  f.b2_ = f.b0_;
  f.a1_ = -2 * c.cs / a0;
  f.a2_ = (1 - c.alpha) / a0;
  return f;
}

Biquad Biquad::BandPass(double hz, double q) {
  const auto c = Prepare(hz, q);
  const double a0 = 1 + c.alpha;
  Biquad f;
  f.b0_ = c.alpha / a0;
  f.b1_ = 0;
  f.b2_ = -c.alpha / a0;
  f.a1_ = -2 * c.cs / a0;
  f.a2_ = (1 - c.alpha) / a0;
  return f;
}

void AddModes(Samples& out, double at, const std::vector<Partial>& partials, double gain,
              double attack_s) {
  const size_t start = FramesOf(at);
  for (const Partial& p : partials) {
    if (p.hz >= kRate * 0.45) continue;               // would alias
    const size_t length = FramesOf(p.decay_s * 9.0);  // down to about -78 dB
    const double step = kTwoPi * p.hz / kRate;
    for (size_t i = 0; i < length && start + i < out.size(); ++i) {
      const double t = static_cast<double>(i) / kRate;
      out[start + i] += static_cast<float>(gain * p.amp * AttackDecay(t, attack_s, p.decay_s) *
                                           std::sin(step * static_cast<double>(i)));
    }
  }
}

void AddNoiseBurst(Samples& out, double at, double length_s, double decay_s, Biquad filter,
                   double gain, Noise& noise, double attack_s) {
  const size_t start = FramesOf(at);
  const size_t length = FramesOf(length_s);
  for (size_t i = 0; i < length && start + i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    // A short cosine tail keeps the burst from ending on a step.
    const double tail = Ramp(length_s - t, std::min(0.004, length_s / 4));
    const double env = AttackDecay(t, attack_s, decay_s) * tail;
    out[start + i] += static_cast<float>(gain * env * filter.Process(float(noise.Bipolar())));
  }
}

void Mix(Samples& out, const Samples& src, double at, double gain, bool wrap) {
  if (out.empty()) return;
  const size_t start = FramesOf(at);
  for (size_t i = 0; i < src.size(); ++i) {
    size_t j = start + i;
    if (j >= out.size()) {
      if (!wrap) break;
      j %= out.size();
    }
    out[j] += static_cast<float>(gain * src[i]);
  }
}

void RemoveDc(Samples& s) {
  if (s.empty()) return;
  double sum = 0;
  for (float x : s) sum += x;
  const auto mean = static_cast<float>(sum / static_cast<double>(s.size()));
  for (float& x : s) x -= mean;
}

void FadeEdges(Samples& s, double fade_in_s, double fade_out_s) {
  const size_t in = std::min(s.size(), FramesOf(fade_in_s));
  const size_t out = std::min(s.size(), FramesOf(fade_out_s));
  for (size_t i = 0; i < in; ++i) s[i] *= float(Ramp(double(i), double(in)));
  for (size_t i = 0; i < out; ++i) s[s.size() - 1 - i] *= float(Ramp(double(i), double(out)));
}

double Peak(const Samples& s) {
  double peak = 0;
  for (float x : s) peak = std::max(peak, double(std::fabs(x)));
  return peak;
}

void Normalize(Samples& s, double peak) {
  const double p = Peak(s);
  if (p <= 0) return;
  const auto k = static_cast<float>(peak / p);
  for (float& x : s) x *= k;
}

void Normalize(Stereo& s, double peak) {
  const double p = std::max(Peak(s.left), Peak(s.right));
  if (p <= 0) return;
  const auto k = static_cast<float>(peak / p);
  for (float& x : s.left) x *= k;
  for (float& x : s.right) x *= k;
}

namespace {

class Comb {
 public:
  explicit Comb(size_t length) : buffer_(length, 0.0f) {}
  float Process(float x, float feedback, float damp) {
    const float y = buffer_[pos_];
    store_ = y * (1 - damp) + store_ * damp;
    buffer_[pos_] = x + store_ * feedback;
    if (++pos_ == buffer_.size()) pos_ = 0;
    return y;
  }

 private:
  Samples buffer_;
  size_t pos_ = 0;
  float store_ = 0;
};

class AllPass {
 public:
  explicit AllPass(size_t length) : buffer_(length, 0.0f) {}
  float Process(float x) {
    const float b = buffer_[pos_];
    const float y = b - x;
    buffer_[pos_] = x + b * 0.5f;
    if (++pos_ == buffer_.size()) pos_ = 0;
    return y;
  }

 private:
  Samples buffer_;
  size_t pos_ = 0;
};

// One side of the reverb; the two sides differ by a few samples per delay so
// that the tail is wide.
class ReverbSide {
 public:
  explicit ReverbSide(int spread) {
    static constexpr std::array<int, 6> kCombs = {1116, 1188, 1277, 1356, 1422, 1491};
    static constexpr std::array<int, 3> kAllPasses = {556, 441, 341};
    for (int c : kCombs) combs_.emplace_back(size_t(c + spread));
    for (int a : kAllPasses) allpasses_.emplace_back(size_t(a + spread));
  }
  float Process(float x, float feedback, float damp) {
    float sum = 0;
    for (Comb& c : combs_) sum += c.Process(x, feedback, damp);
    for (AllPass& a : allpasses_) sum = a.Process(sum);
    return sum;
  }

 private:
  std::vector<Comb> combs_;
  std::vector<AllPass> allpasses_;
};

}  // namespace

Stereo Reverb(const Stereo& dry, double room, double damp, bool circular) {
  const size_t n = dry.Frames();
  Stereo wet(n);
  ReverbSide left(0), right(23);
  const auto feedback = static_cast<float>(0.7 + 0.28 * room);
  const auto d = static_cast<float>(damp);
  // For a loop, run one period first so that the second pass starts with the
  // tail the end leaves behind.
  const int passes = circular ? 2 : 1;
  for (int pass = 0; pass < passes; ++pass) {
    for (size_t i = 0; i < n; ++i) {
      const float mono = 0.015f * (dry.left[i] + dry.right[i]);
      const float l = left.Process(mono, feedback, d);
      const float r = right.Process(mono, feedback, d);
      if (pass == passes - 1) {
        wet.left[i] = l;
        wet.right[i] = r;
      }
    }
  }
  return wet;
}

}  // namespace soundgen
