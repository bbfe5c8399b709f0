#include "effects.h"

#include <algorithm>

#include "voices.h"

namespace soundgen {
namespace {

// --- Building blocks -----------------------------------------------------------

// A plastic die striking the board: a bright click, the die's own short ring
// and a little thump of the table under it.
void DieHit(Samples& out, double at, double gain, Noise& rnd, bool in_hand = false) {
  const double body = rnd.Range(0.85, 1.2);
  const double muffle = in_hand ? 0.45 : 1.0;
  AddModes(out, at,
           {{2900 * body, 1.0, 0.012 * muffle},
            {4700 * body, 0.6, 0.008 * muffle},
            {6900 * body, 0.3, 0.005 * muffle},
            {1250 * body, 0.5, 0.02}},
           gain * 0.35);
  AddNoiseBurst(out, at, 0.03, 0.004,
                in_hand ? Biquad::LowPass(1800, 0.8) : Biquad::BandPass(3500 * body, 1.2),
                gain * 1.1, rnd);
  if (!in_hand) AddModes(out, at, {{190 * rnd.Range(0.9, 1.1), 1.0, 0.025}}, gain * 0.3, 0.001);
}

// A wooden tap of the token on the board.
void TokenTap(Samples& out, double at, double pitch, double gain, Noise& rnd) {
  AddModes(out, at,
           {{820 * pitch, 1.0, 0.022}, {2050 * pitch, 0.45, 0.009}, {310 * pitch, 0.6, 0.03}},
           gain);
  AddNoiseBurst(out, at, 0.02, 0.003, Biquad::BandPass(2400 * pitch, 1.0), gain * 0.7, rnd);
}

// A thin metal coin: a handful of high inharmonic partials ringing a moment.
void Coin(Samples& out, double at, double gain, Noise& rnd) {
  const double f = rnd.Range(2300, 3400);
  const double ring = rnd.Range(0.7, 1.3);
  AddModes(out, at,
           {{f, 1.0, 0.22 * ring},
            {f * 1.62, 0.7, 0.16 * ring},
            {f * 2.35, 0.5, 0.1 * ring},
            {f * 3.1, 0.3, 0.06 * ring}},
           gain * 0.3);
  AddNoiseBurst(out, at, 0.012, 0.002, Biquad::HighPass(5000, 0.7), gain * 0.5, rnd);
}

// A clay casino chip landing on others.
void ChipClack(Samples& out, double at, double gain, Noise& rnd) {
  const double k = rnd.Range(0.95, 1.05);
  AddModes(out, at,
           {{3300 * k, 1.0, 0.018},
            {5200 * k, 0.6, 0.012},
            {7400 * k, 0.35, 0.007},
            {1900 * k, 0.4, 0.02}},
           gain * 0.35);
  AddNoiseBurst(out, at, 0.015, 0.003, Biquad::BandPass(4500 * k, 1.5), gain * 0.9, rnd);
}

// A mechanical click (register keys, latches).
void Click(Samples& out, double at, double hz, double gain, Noise& rnd) {
  AddModes(out, at, {{hz, 1.0, 0.012}, {hz * 2.3, 0.5, 0.006}, {hz * 3.4, 0.25, 0.004}},
           gain * 0.4);
  AddNoiseBurst(out, at, 0.01, 0.002, Biquad::HighPass(2000, 0.7), gain * 0.6, rnd);
}

// --- The effects ---------------------------------------------------------------

// Two dice shaken briefly in the hand, thrown, bouncing and rolling to a stop.
Samples Throw() {
  Noise rnd(0x7410'0001);
  Samples out(FramesOf(1.1));
  for (double t : {0.0, 0.035, 0.07, 0.115, 0.15}) DieHit(out, t, 0.35, rnd, true);
  auto die = [&](double t, double gap, double gain) {
    while (gap > 0.02 && t < 0.8) {
      DieHit(out, t, gain, rnd);
      t += gap * rnd.Range(0.85, 1.15);
      gap *= 0.7;
      gain *= 0.8;
    }
    for (int k = 0; k < 7 && t < 0.95; ++k) {
      DieHit(out, t, gain * 0.55, rnd);
      t += rnd.Range(0.025, 0.045);
      gain *= 0.78;
    }
  };
  die(0.22, 0.17, 1.0);
  die(0.25, 0.14, 0.85);
  return out;
}

// The token walking: a tick-tock of taps over a soft sliding hiss, one period
// of a loop. Everything is laid out circularly so the loop has no seam.
Samples Move() {
  Noise rnd(0x7410'0002);
  constexpr double kStep = 0.24;  // a whole number of samples (10584)
  Samples out(FramesOf(4 * kStep));
  // The hiss: noise filtered in two passes over the loop, so that the
  // filter's state at the end is the one the start needs.
  Samples hiss(out.size());
  for (float& x : hiss) x = float(rnd.Bipolar());
  Biquad band = Biquad::BandPass(900, 0.7);
  Biquad low = Biquad::LowPass(2200, 0.7);
  for (int pass = 0; pass < 2; ++pass) {
    for (size_t i = 0; i < hiss.size(); ++i) {
      const float y = low.Process(band.Process(hiss[i]));
      if (pass == 1) out[i] = y;
    }
  }
  // Each step pushes the hiss up a little.
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = std::fmod(double(i) / kRate, kStep);
    out[i] *= float(0.35 + 0.6 * Ramp(t, 0.02) * std::exp(-t / 0.07));
  }
  Samples taps(out.size());
  for (int k = 0; k < 4; ++k) {
    Samples tap(FramesOf(0.2));
    TokenTap(tap, 0.0, k % 2 ? 0.89 : 1.0, k % 2 ? 0.8 : 1.0, rnd);
    Mix(out, tap, k * kStep, 1.0, true);
  }
  return out;
}

// The token set down, and a friendly two-note chime.
Samples Arrive() {
  Noise rnd(0x7410'0003);
  Samples out(FramesOf(0.75));
  TokenTap(out, 0.0, 0.6, 0.9, rnd);
  for (auto [t, midi] : {std::pair{0.03, 79.0}, std::pair{0.13, 84.0}}) {
    const double hz = NoteHz(midi);
    AddModes(out, t,
             {{hz, 1.0, 0.3}, {hz * 2, 0.15, 0.2}, {hz * 3.9, 0.3, 0.06}, {hz * 9.2, 0.06, 0.02}},
             0.5, 0.001);
  }
  AddRoom(out, 0.3, 0.25);
  return out;
}

// A heavy barred door slammed shut, then the lock turning.
Samples Jail() {
  Noise rnd(0x7410'0004);
  Samples out(FramesOf(1.8));
  AddModes(out, 0.0, {{68, 1.0, 0.12}, {102, 0.5, 0.08}}, 0.9, 0.002);
  AddNoiseBurst(out, 0.0, 0.08, 0.02, Biquad::BandPass(900, 0.8), 1.2, rnd);
  const double ratios[] = {1, 2.32, 3.73, 5.12, 6.79, 8.6, 10.9};
  const double amps[] = {0.7, 1.0, 0.8, 0.6, 0.45, 0.3, 0.2};
  const double decays[] = {0.55, 0.45, 0.35, 0.28, 0.22, 0.16, 0.12};
  std::vector<Partial> bars;
  for (int i = 0; i < 7; ++i) {
    bars.push_back({196 * ratios[i], amps[i], decays[i]});
    bars.push_back({196 * ratios[i] * 1.004, amps[i] * 0.6, decays[i]});  // the second bar beats
  }
  AddModes(out, 0.002, bars, 0.22);
  Click(out, 0.46, 2600, 0.7, rnd);
  Click(out, 0.55, 1800, 0.9, rnd);
  AddModes(out, 0.55, {{420, 1.0, 0.05}, {1130, 0.4, 0.03}}, 0.25);
  AddRoom(out, 0.75, 0.45);
  return out;
}

// "Ha ha ha ha haa": the landing player laughing off the rent.
Samples Laugh() {
  Noise rnd(0x7410'0005);
  Samples out(FramesOf(1.35));
  const double f0[] = {235, 225, 214, 204, 194, 186};
  const double gain[] = {1.0, 0.92, 0.85, 0.78, 0.7, 0.66};
  for (int k = 0; k < 6; ++k) {
    const double at = 0.02 + 0.165 * k + rnd.Range(-0.008, 0.008);
    const bool last = k == 5;
    AddSyllable(out, at, last ? 0.3 : 0.1, f0[k], f0[k] * (last ? 0.78 : 0.9), gain[k], kVowelA,
                rnd);
  }
  AddRoom(out, 0.25, 0.15);
  return out;
}

// Two hammer knocks, then a rising chime: a building goes up a class.
Samples Upgrade() {
  Noise rnd(0x7410'0006);
  Samples out(FramesOf(1.1));
  for (double t : {0.0, 0.11}) {
    AddModes(out, t, {{640, 1.0, 0.03}, {1530, 0.6, 0.015}, {2900, 0.3, 0.008}}, 0.5);
    AddNoiseBurst(out, t, 0.02, 0.003, Biquad::BandPass(2000, 1), 0.6, rnd);
  }
  const double notes[] = {84, 88, 91, 96};
  for (int k = 0; k < 4; ++k) AddChime(out, 0.24 + 0.06 * k, notes[k], 0.3, k == 3 ? 0.5 : 0.3);
  AddRoom(out, 0.35, 0.2);
  return out;
}

// "Ta-daa": a whole colour group or trust in one hand.
Samples Trust() {
  Noise rnd(0x7410'0007);
  Samples out(FramesOf(1.6));
  AddBrass(out, {.at = 0.0, .length = 0.1, .midi = 67, .gain = 0.5, .brightness = 1.2});
  for (double midi : {72.0, 76.0, 79.0, 84.0})
    AddBrass(out, {.at = 0.16,
                   .length = 0.8,
                   .midi = midi,
                   .gain = 0.3,
                   .brightness = 1.1,
                   .vibrato = 0.08,
                   .release = 0.35});
  AddChime(out, 0.16, 96, 0.18, 0.6);
  AddChime(out, 0.24, 100, 0.12, 0.5);
  AddRoom(out, 0.45, 0.3);
  return out;
}

// Coins pouring onto a pile.
Samples Win() {
  Noise rnd(0x7410'0008);
  Samples out(FramesOf(1.1));
  double t = 0.0;
  for (int k = 0; k < 15; ++k) {
    Coin(out, t, rnd.Range(0.55, 1.0) * (k < 10 ? 1.0 : 0.7), rnd);
    t += rnd.Range(0.025, 0.06) * (k < 8 ? 1.0 : 1.5);
  }
  AddNoiseBurst(out, 0.0, 0.45, 0.2, Biquad::BandPass(2600, 0.8), 0.08, rnd, 0.02);
  AddRoom(out, 0.3, 0.15);
  return out;
}

// The sad trombone: "wah, wah, wah, waaah".
Samples Lost() {
  Samples out(FramesOf(1.7));
  const double notes[] = {58, 57, 56, 55};
  for (int k = 0; k < 4; ++k) {
    const bool last = k == 3;
    AddBrass(out, {.at = 0.26 * k,
                   .length = last ? 0.7 : 0.2,
                   .midi = notes[k],
                   .gain = 0.7,
                   .brightness = 0.8,
                   .vibrato = last ? 0.35 : 0.0,
                   .wah = 0.8,
                   .glide = last ? -0.4 : -0.1,
                   .release = last ? 0.2 : 0.06});
  }
  AddRoom(out, 0.3, 0.15);
  return out;
}

// Chips pushed onto a casino field.
Samples Bet() {
  Noise rnd(0x7410'000A);
  Samples out(FramesOf(0.5));
  AddNoiseBurst(out, 0.0, 0.09, 0.05, Biquad::LowPass(1500, 0.7), 0.15, rnd, 0.05);
  const double times[] = {0.08, 0.13, 0.165, 0.22};
  const double gains[] = {1.0, 0.7, 0.55, 0.3};
  for (int k = 0; k < 4; ++k) ChipClack(out, times[k], gains[k], rnd);
  AddRoom(out, 0.3, 0.15);
  return out;
}

// "Dun, dun, duuun": everything is lost.
Samples Bankrupt() {
  Noise rnd(0x7410'000B);
  Samples out(FramesOf(2.3));
  for (double t : {0.0, 0.3}) {
    for (double midi : {50.0, 57.0, 62.0})
      AddBrass(out, {.at = t, .length = 0.18, .midi = midi, .gain = 0.35, .brightness = 1.4});
    AddTimpani(out, t, 38, 0.6, rnd);
  }
  for (double midi : {46.0, 53.0, 61.0})
    AddBrass(out, {.at = 0.6,
                   .length = 1.2,
                   .midi = midi,
                   .gain = 0.38,
                   .brightness = 1.3,
                   .glide = -0.4,
                   .release = 0.45,
                   .tremolo = 0.25});
  AddTimpani(out, 0.6, 34, 0.9, rnd);
  AddRoom(out, 0.6, 0.35);
  return out;
}

// The winner's fanfare: a triplet call, a rising arpeggio, a held chord
// over a timpani roll and a cymbal.
Samples Winner() {
  Noise rnd(0x7410'000C);
  Samples out(FramesOf(3.4));
  struct Call {
    double at, length, top, second;
  };
  const Call calls[] = {{0.0, 0.07, 67, 64}, {0.1, 0.07, 67, 64}, {0.2, 0.07, 67, 64},
                        {0.3, 0.33, 72, 67}, {0.7, 0.11, 67, 64}, {0.85, 0.11, 72, 67},
                        {1.0, 0.11, 76, 72}, {1.15, 1.45, 79, 76}};
  for (const Call& c : calls) {
    const bool held = c.length > 1;
    AddBrass(out, {.at = c.at,
                   .length = c.length,
                   .midi = c.top,
                   .gain = 0.4,
                   .brightness = 1.6,
                   .vibrato = held ? 0.12 : 0,
                   .release = held ? 0.4 : 0.05});
    AddBrass(out, {.at = c.at,
                   .length = c.length,
                   .midi = c.second,
                   .gain = 0.3,
                   .brightness = 1.4,
                   .vibrato = held ? 0.1 : 0,
                   .release = held ? 0.4 : 0.05});
  }
  for (double midi : {48.0, 55.0, 60.0})
    AddBrass(out, {.at = 1.15,
                   .length = 1.45,
                   .midi = midi,
                   .gain = 0.25,
                   .brightness = 1.0,
                   .release = 0.4});
  AddTimpani(out, 0.3, 36, 0.6, rnd);
  for (double t = 1.15; t < 2.45; t += 0.055) {
    const double swell = 0.25 + 0.35 * std::sin(std::numbers::pi * (t - 1.15) / 1.3);
    AddTimpani(out, t, 36, swell, rnd);
  }
  AddTimpani(out, 2.6, 36, 0.9, rnd);
  AddNoiseBurst(out, 1.15, 1.6, 0.6, Biquad::HighPass(5000, 0.7), 0.25, rnd, 0.004);
  AddRoom(out, 0.6, 0.3);
  return out;
}

// "Cha-ching": keys, the drawer sliding out with a thump, and the bell.
Samples Register() {
  Noise rnd(0x7410'000D);
  Samples out(FramesOf(1.0));
  Click(out, 0.0, 1700, 0.8, rnd);
  Click(out, 0.07, 1600, 0.7, rnd);
  for (int k = 0; k < 5; ++k) Click(out, 0.14 + 0.022 * k, 2400, 0.3, rnd);
  AddNoiseBurst(out, 0.27, 0.12, 0.2, Biquad::BandPass(1200, 1.2), 0.35, rnd, 0.08);
  AddModes(out, 0.38, {{110, 1.0, 0.05}, {240, 0.4, 0.03}}, 0.6, 0.002);
  AddModes(out, 0.3,
           {{2637, 1.0, 0.5},
            {2637 * 2.02, 0.35, 0.3},
            {2637 * 2.76, 0.45, 0.25},
            {2637 * 5.4, 0.12, 0.1}},
           0.35, 0.0008);
  AddRoom(out, 0.3, 0.15);
  return out;
}

}  // namespace

const std::vector<Effect>& Effects() {
  static const std::vector<Effect> effects = {
      {"move.wav", true, &Move},          {"arrive.wav", false, &Arrive},
      {"jail.wav", false, &Jail},         {"throw.wav", false, &Throw},
      {"laugh.wav", false, &Laugh},       {"upgrade.wav", false, &Upgrade},
      {"trust.wav", false, &Trust},       {"win.wav", false, &Win},
      {"lost.wav", false, &Lost},         {"bet.wav", false, &Bet},
      {"bankrupt.wav", false, &Bankrupt}, {"winner.wav", false, &Winner},
      {"register.wav", false, &Register},
  };
  return effects;
}

namespace {

// The level of the loudest 300 ms of a sound (root mean square): what the ear
// compares between effects far more than their peaks.
double Loudness(const Samples& s) {
  const size_t window = FramesOf(0.3), hop = FramesOf(0.01);
  double loudest = 0;
  for (size_t start = 0; start < s.size(); start += hop) {
    const size_t end = std::min(s.size(), start + window);
    double sum = 0;
    for (size_t i = start; i < end; ++i) sum += double(s[i]) * s[i];
    loudest = std::max(loudest, sum / double(window));
  }
  return std::sqrt(loudest);
}

}  // namespace

Samples RenderEffect(const Effect& e) {
  Samples s = e.render();
  RemoveDc(s);
  if (!e.loops) FadeEdges(s, 0.002, 0.03);
  // Every effect as loud as the others (the footsteps, running under
  // everything else, quieter), but never closer than 1 dB to full scale.
  const double target = e.loops ? 0.06 : 0.2;
  const double loud = Loudness(s), peak = Peak(s);
  if (loud > 0 && peak > 0) {
    const auto gain = static_cast<float>(std::min(target / loud, 0.89 / peak));
    for (float& x : s) x *= gain;
  }
  return s;
}

}  // namespace soundgen
