#include "voices.h"

#include <algorithm>

namespace soundgen {

void AddBrass(Samples& out, const BrassNote& n) {
  const double total = n.length + n.release;
  const size_t start = FramesOf(n.at);
  const size_t frames = FramesOf(total);
  std::vector<double> phase(16, 0.0);
  double vib_phase = 0;
  for (size_t i = 0; i < frames && start + i < out.size(); ++i) {
    const double t = double(i) / kRate;
    // Attack with a small overshoot, a steady sustain, a cosine release.
    double env = t < 0.03 ? t / 0.03 : 0.85 + 0.15 * std::exp(-(t - 0.03) / 0.06);
    if (t > n.length) env *= Ramp(total - t, n.release);
    if (n.tremolo > 0) env *= 1 - n.tremolo * 0.5 * (1 - std::cos(kTwoPi * 7 * t));
    // The tone opens with the breath and closes again under a plunger.
    double open = std::min(1.0, t / 0.05);
    if (n.wah > 0) open *= 1 - n.wah * Ramp(t - 0.3 * n.length, 0.7 * n.length);
    const double depth = n.vibrato * Ramp(t - 0.2, 0.25);
    vib_phase += kTwoPi * 5.5 / kRate;
    const double midi = n.midi + n.glide * std::min(1.0, t / std::max(0.01, n.length)) +
                        depth * std::sin(vib_phase);
    const double hz = NoteHz(midi);
    const double cutoff = hz * (1.2 + 3.5 * n.brightness * open * env);
    double sample = 0;
    for (size_t k = 1; k <= phase.size(); ++k) {
      const double f = hz * double(k);
      if (f > 12000) break;
      phase[k - 1] += kTwoPi * f / kRate;
      const double roll = f / cutoff;
      sample += std::sin(phase[k - 1]) / double(k) / (1 + roll * roll * roll);
    }
    out[start + i] += static_cast<float>(n.gain * env * sample);
  }
}

void AddSyllable(Samples& out, double at, double length, double f0_start, double f0_end,
                 double gain, const Vowel& v, Noise& noise) {
  // The breath of the "h": noise through the vowel's first two formants.
  const double breath = 0.05;
  AddNoiseBurst(out, at, breath + 0.02, 0.03, Biquad::BandPass(v.f1 * 1.2, 2), gain * 0.9, noise,
                breath * 0.8);
  AddNoiseBurst(out, at, breath + 0.02, 0.03, Biquad::BandPass(v.f2 * 1.1, 3), gain * 0.6, noise,
                breath * 0.8);

  const size_t start = FramesOf(at + breath * 0.6);
  const size_t frames = FramesOf(length);
  const double formants[3][3] = {{v.f1, 110, 1.0}, {v.f2, 120, 0.55}, {v.f3, 200, 0.22}};
  double phase = 0;
  for (size_t i = 0; i < frames && start + i < out.size(); ++i) {
    const double t = double(i) / kRate;
    const double u = t / length;
    const double f0 = (f0_start + (f0_end - f0_start) * u) * (1 + 0.012 * std::sin(kTwoPi * 6 * t));
    phase += kTwoPi * f0 / kRate;
    const double env = Ramp(t, 0.02) * Ramp(length - t, 0.05);
    double sample = 0;
    for (int k = 1; k * f0 < 4500; ++k) {
      const double f = k * f0;
      double shape = 0.015;
      for (const auto& fm : formants) {
        const double x = (f - fm[0]) / (fm[1] / 2);
        shape += fm[2] / (1 + x * x);
      }
      sample += shape / std::sqrt(double(k)) * std::sin(phase * k);
    }
    out[start + i] += static_cast<float>(gain * 0.25 * env * sample);
  }
}

void AddTimpani(Samples& out, double at, double midi, double gain, Noise& noise) {
  const double hz = NoteHz(midi);
  AddModes(out, at,
           {{hz, 1.0, 0.6}, {hz * 1.5, 0.5, 0.4}, {hz * 1.98, 0.3, 0.3}, {hz * 2.44, 0.18, 0.2}},
           gain, 0.003);
  AddNoiseBurst(out, at, 0.06, 0.012, Biquad::LowPass(700, 0.7), gain * 0.8, noise);
}

void AddChime(Samples& out, double at, double midi, double gain, double decay_s) {
  const double hz = NoteHz(midi);
  AddModes(out, at,
           {{hz, 1.0, decay_s}, {hz * 2.0, 0.35, decay_s * 0.45}, {hz * 4.16, 0.12, decay_s * 0.2}},
           gain, 0.001);
}

void AddRoom(Samples& s, double room, double mix) {
  Stereo dry(s.size());
  dry.left = s;
  dry.right = s;
  const Stereo wet = Reverb(dry, room, 0.4, false);
  for (size_t i = 0; i < s.size(); ++i)
    s[i] += static_cast<float>(mix * 0.5 * (wet.left[i] + wet.right[i]));
}

}  // namespace soundgen
