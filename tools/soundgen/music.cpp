#include "music.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

namespace soundgen {
namespace {

// --- Notation --------------------------------------------------------------------

// "E5" -> 76, "Bb4" -> 70, "F#5" -> 78 (C4 = 60).
int NoteNumber(std::string_view name) {
  static constexpr int kSteps[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  int pc = kSteps[name[0] - 'A'];
  size_t i = 1;
  if (name[i] == 'b') --pc, ++i;
  if (name[i] == '#') ++pc, ++i;
  return pc + 12 * (std::atoi(name.data() + i) + 1);
}

enum class Quality { Maj7, Min7, Dom7, Dom9, Six, Min6 };

struct Chord {
  double beat;  // where in the bar it starts
  int root;     // pitch class
  Quality quality;
};

// Tones above the root that the piano voices (the bass has the root): third,
// fifth or sixth, seventh and ninth.
std::vector<int> Tones(Quality q) {
  switch (q) {
    case Quality::Maj7:
      return {4, 7, 11, 14};
    case Quality::Min7:
      return {3, 7, 10, 14};
    case Quality::Dom7:
      return {4, 10, 14, 21};
    case Quality::Dom9:
      return {4, 7, 10, 14};
    case Quality::Six:
      return {4, 7, 9, 14};
    case Quality::Min6:
      return {3, 7, 9, 14};
  }
  return {};
}

// "Fmaj7", "Bbm6", "Eb9", "C7".
Chord ParseChord(std::string_view name, double beat) {
  const int pc =
      NoteNumber(std::string(name.substr(0, name[1] == 'b' || name[1] == '#' ? 2 : 1)) + "0") % 12;
  const std::string_view q = name.substr(name[1] == 'b' || name[1] == '#' ? 2 : 1);
  Quality quality = Quality::Dom7;
  if (q == "maj7") quality = Quality::Maj7;
  if (q == "m7") quality = Quality::Min7;
  if (q == "9") quality = Quality::Dom9;
  if (q == "6") quality = Quality::Six;
  if (q == "m6") quality = Quality::Min6;
  return {beat, pc, quality};
}

struct Bar {
  std::vector<Chord> chords;
  bool stop = false;  // a break: the band hits the chords once and lets them ring off
};

// "Fmaj7 | Am7 D7 | F6!": one chord fills a bar, two share it, "!" is a break.
std::vector<Bar> ParseBars(std::string_view text) {
  std::vector<Bar> bars(1);
  std::vector<std::string> words;
  auto flush = [&] {
    Bar& bar = bars.back();
    for (size_t k = 0; k < words.size(); ++k) {
      std::string w = words[k];
      if (!w.empty() && w.back() == '!') bar.stop = true, w.pop_back();
      bar.chords.push_back(ParseChord(w, words.size() == 2 ? 2.0 * double(k) : 0.0));
    }
    words.clear();
  };
  std::string word;
  for (char c : std::string(text) + " ") {
    if (c == '|' || c == ' ') {
      if (!word.empty()) words.push_back(word), word.clear();
      if (c == '|') flush(), bars.emplace_back();
    } else {
      word += c;
    }
  }
  flush();
  return bars;
}

struct MelodyNote {
  int bar;  // counted from 1, as a score does
  double beat;
  double length;
  const char* name;
};

struct Song {
  double bpm;
  double swing;  // where the off-beat eighth falls: 0.5 straight, 0.67 triplet swing
  std::vector<Bar> bars;
  std::vector<MelodyNote> melody;
  uint64_t seed;
  bool snaps;  // finger snaps on two and four
};

// --- Instruments -----------------------------------------------------------------

// An electric piano: two-operator FM with a short bell-like tine at the attack.
Samples PianoNote(double midi, double velocity, double length) {
  const double hz = NoteHz(midi);
  const double release = 0.22;
  Samples out(FramesOf(length + release));
  const double decay = 1.6 * std::pow(220.0 / hz, 0.3);
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = double(i) / kRate;
    double env = Ramp(t, 0.003) * std::exp(-t / decay);
    if (t > length) env *= Ramp(length + release - t, release);
    const double index = velocity * (1.1 * std::exp(-t / 0.35) + 0.2);
    const double w = kTwoPi * hz * t;
    double s = std::sin(w + index * std::sin(w));
    if (hz * 14 < 12000) s += 0.05 * velocity * std::exp(-t / 0.025) * std::sin(w * 14);
    out[i] = static_cast<float>(env * s);
  }
  return out;
}

// A plucked upright bass.
Samples BassNote(double midi, double velocity, double length, Noise& rnd) {
  const double hz = NoteHz(midi);
  const double release = 0.07;
  Samples out(FramesOf(length + release));
  const double harmonics[][2] = {{1, 1.0}, {2, 0.45}, {3, 0.18}, {4, 0.06}};
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = double(i) / kRate;
    double env = Ramp(t, 0.004);
    if (t > length) env *= Ramp(length + release - t, release);
    double s = 0;
    for (const auto& h : harmonics)
      s += h[1] * std::exp(-t * h[0] / 0.8) * std::sin(kTwoPi * hz * h[0] * t);
    out[i] = static_cast<float>(velocity * env * s);
  }
  AddNoiseBurst(out, 0, 0.03, 0.008, Biquad::LowPass(900, 0.7), velocity * 0.25, rnd);
  return out;
}

// A vibraphone bar with its motor's gentle tremolo.
Samples VibesNote(double midi, double velocity, double length) {
  const double hz = NoteHz(midi);
  const double release = 0.3;
  Samples out(FramesOf(length + release));
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = double(i) / kRate;
    double env = Ramp(t, 0.002);
    if (t > length) env *= Ramp(length + release - t, release);
    const double tremolo = 1 - 0.18 * (1 - std::cos(kTwoPi * 5.2 * t));
    const double w = kTwoPi * hz * t;
    const double s = std::exp(-t / 1.6) * std::sin(w) +
                     0.22 * std::exp(-t / 0.25) * std::sin(4 * w) +
                     0.05 * std::exp(-t / 0.06) * std::sin(10 * w);
    out[i] = static_cast<float>(velocity * env * tremolo * s);
  }
  return out;
}

Samples Ride(double velocity, Noise& rnd) {
  Samples out(FramesOf(1.2));
  AddNoiseBurst(out, 0, 1.2, 0.3, Biquad::HighPass(6000, 0.7), velocity * 0.5, rnd, 0.001);
  AddModes(out, 0, {{2800, 0.4, 0.5}, {4150, 0.3, 0.4}, {5600, 0.25, 0.3}, {7200, 0.2, 0.25}},
           velocity * 0.25);
  return out;
}

Samples Chick(double velocity, Noise& rnd) {
  Samples out(FramesOf(0.08));
  AddNoiseBurst(out, 0, 0.08, 0.014, Biquad::HighPass(7000, 0.7), velocity, rnd, 0.002);
  return out;
}

Samples Brush(double velocity, Noise& rnd) {
  Samples out(FramesOf(0.3));
  AddNoiseBurst(out, 0, 0.3, 0.1, Biquad::BandPass(3000, 0.5), velocity, rnd, 0.06);
  return out;
}

Samples Snap(double velocity, Noise& rnd) {
  Samples out(FramesOf(0.1));
  AddNoiseBurst(out, 0, 0.1, 0.012, Biquad::BandPass(2200, 1.5), velocity, rnd, 0.0005);
  AddModes(out, 0, {{1500, 0.3, 0.02}}, velocity * 0.3);
  return out;
}

Samples Kick(double velocity) {
  Samples out(FramesOf(0.6));
  AddModes(out, 0, {{58, 1.0, 0.15}, {110, 0.3, 0.05}}, velocity, 0.004);
  return out;
}

// --- Arrangement ------------------------------------------------------------------

class Band {
 public:
  explicit Band(const Song& s)
      : song_(s),
        beat_s_(60.0 / s.bpm),
        frames_(FramesOf(double(s.bars.size()) * 4 * beat_s_)),
        dry_(frames_),
        send_(frames_),
        rnd_(s.seed) {}

  Stereo Play() {
    for (size_t b = 0; b < song_.bars.size(); ++b) {
      Comp(int(b));
      Walk(int(b));
      Drums(int(b));
    }
    for (const MelodyNote& m : song_.melody) {
      const double at = Time(m.bar - 1, m.beat);
      const double length = Time(m.bar - 1, m.beat + m.length) - at - 0.03;
      Place(VibesNote(NoteNumber(m.name), 0.8 * Vary(), length), Humanize(at), 0.48, 0.25, 0.35);
    }
    const Stereo wet = Reverb(send_, 0.65, 0.35, true);
    Stereo out(frames_);
    for (size_t i = 0; i < frames_; ++i) {
      out.left[i] = dry_.left[i] + 0.9f * wet.left[i];
      out.right[i] = dry_.right[i] + 0.9f * wet.right[i];
    }
    return out;
  }

 private:
  // Seconds from the start of the loop to a beat of a bar, with the swing.
  double Time(int bar, double beat) const {
    const double whole = std::floor(beat);
    const double f = beat - whole;
    const double s = song_.swing;
    const double swung = f <= 0.5 ? f / 0.5 * s : s + (f - 0.5) / 0.5 * (1 - s);
    return (bar * 4 + whole + swung) * beat_s_;
  }
  double Humanize(double at) { return std::max(0.0, at + rnd_.Range(-0.004, 0.004)); }
  double Vary() { return rnd_.Range(0.92, 1.05); }

  // Adds a mono note at `at` seconds, panned (-1 left .. 1 right) with some
  // of it sent to the room; whatever runs past the end rings on at the start.
  void Place(const Samples& note, double at, double gain, double pan, double room) {
    const double angle = (pan + 1) * std::numbers::pi / 4;
    const double gl = gain * std::cos(angle), gr = gain * std::sin(angle);
    Mix(dry_.left, note, at, gl, true);
    Mix(dry_.right, note, at, gr, true);
    Mix(send_.left, note, at, gl * room, true);
    Mix(send_.right, note, at, gr * room, true);
  }

  const Chord& ChordAt(int bar, double beat) const {
    const auto& chords = song_.bars[size_t(bar) % song_.bars.size()].chords;
    const Chord* c = &chords.front();
    for (const Chord& k : chords)
      if (k.beat <= beat) c = &k;
    return *c;
  }

  // Close rootless voicings around the middle of the keyboard.
  static std::vector<int> Voicing(const Chord& c) {
    std::vector<int> notes;
    for (int t : Tones(c.quality)) {
      int n = 57 + ((c.root + t - 57) % 12 + 12) % 12;
      notes.push_back(n);
    }
    std::sort(notes.begin(), notes.end());
    return notes;
  }

  void Hit(int bar, double beat, double length, double velocity) {
    const Chord& c = ChordAt(bar, beat);
    const double at = Humanize(Time(bar, beat));
    const double seconds = Time(bar, beat + length) - Time(bar, beat);
    const auto notes = Voicing(c);
    for (size_t k = 0; k < notes.size(); ++k) {
      const double pan = -0.35 + 0.2 * double(k);
      Place(PianoNote(notes[k], velocity * Vary(), seconds), at + 0.004 * double(k), 0.135, pan,
            0.4);
    }
  }

  void Comp(int bar) {
    const Bar& b = song_.bars[size_t(bar)];
    if (b.stop) {
      for (const Chord& c : b.chords) Hit(bar, c.beat, 0.6, 0.85);
      return;
    }
    if (b.chords.size() > 1) {
      for (const Chord& c : b.chords) Hit(bar, c.beat, 1.3, 0.75);
      return;
    }
    switch ((bar + int(rnd_.Next() % 2)) % 3) {
      case 0:
        Hit(bar, 0, 1.2, 0.8);
        Hit(bar, 1.5, 0.9, 0.7);
        break;
      case 1:
        Hit(bar, 0, 0.7, 0.8);
        Hit(bar, 2.5, 1.2, 0.72);
        break;
      default:
        Hit(bar, 0, 2.0, 0.75);
        Hit(bar, 3.5, 0.4, 0.6);
        break;
    }
  }

  // A walking bass: roots where the chords change, chord tones between, and a
  // chromatic step into each new root.
  void Walk(int bar) {
    const Bar& b = song_.bars[size_t(bar)];
    for (int beat = 0; beat < 4; ++beat) {
      const Chord& c = ChordAt(bar, beat);
      const bool on_change = c.beat == beat;
      if (b.stop && !on_change) continue;
      int pc;
      if (on_change) {
        pc = c.root;
      } else if (beat == 3 || ChordAt(bar, beat + 1).beat == beat + 1) {
        const Chord& next = beat == 3 ? ChordAt(bar + 1, 0) : ChordAt(bar, beat + 1);
        pc = next.root + (rnd_.Next() % 3 == 0 ? 7 : (rnd_.Next() % 2 ? 1 : -1));
      } else {
        const int third = Tones(c.quality)[0];
        const int choices[] = {7, third, 12, 7};
        pc = c.root + choices[rnd_.Next() % 4];
      }
      const double length = b.stop ? 0.8 : 0.95;
      const double at = Time(bar, beat);
      const double seconds = Time(bar, beat + length) - at;
      Place(BassNote(Nearest(pc), (beat == 0 ? 0.95 : 0.8) * Vary(), seconds, rnd_), Humanize(at),
            0.32, 0.0, 0.1);
    }
  }

  // The bass note of pitch class pc closest to the last one, within the
  // instrument's comfortable range.
  int Nearest(int pc) {
    pc = ((pc % 12) + 12) % 12;
    int best = 0;
    for (int n = 33; n <= 50; ++n)
      if (n % 12 == pc && (best == 0 || std::abs(n - last_bass_) < std::abs(best - last_bass_)))
        best = n;
    last_bass_ = best;
    return best;
  }

  void Drums(int bar) {
    const bool stop = song_.bars[size_t(bar)].stop;
    static constexpr double kRide[][2] = {{0, 0.6}, {1, 0.8}, {1.5, 0.45},
                                          {2, 0.6}, {3, 0.8}, {3.5, 0.45}};
    // The ride keeps time through a break; the rest of the kit rests.
    for (const auto& r : kRide) {
      Place(Ride(r[1] * Vary(), rnd_), Humanize(Time(bar, r[0])), 0.5, 0.45, 0.3);
    }
    for (double beat : {1.0, 3.0}) {
      Place(Chick(0.8 * Vary(), rnd_), Humanize(Time(bar, beat)), 0.3, -0.3, 0.1);
      if (song_.snaps) Place(Snap(0.9 * Vary(), rnd_), Humanize(Time(bar, beat)), 1.0, 0.1, 0.4);
    }
    if (stop) return;
    for (double beat : {0.0, 1.0, 2.0, 3.0})
      Place(Brush(0.7 * Vary(), rnd_), Time(bar, beat), 0.2, -0.1, 0.2);
    Place(Kick(0.8 * Vary()), Time(bar, 0), 0.28, 0.0, 0.05);
  }

  const Song& song_;
  double beat_s_;
  size_t frames_;
  Stereo dry_, send_;
  Noise rnd_;
  int last_bass_ = 41;
};

// --- The pieces -------------------------------------------------------------------

// Under a whole game: a mellow 32-bar tune in F, AABA with a bridge in B flat.
Stereo BackMusic() {
  static const Song song = {
      96,
      0.62,
      ParseBars("Fmaj7 | Dm7 | Gm7 | C7 | Am7 | D7 | Gm7 | C7 |"
                "Fmaj7 | Dm7 | Gm7 | C7 | Am7 D7 | Gm7 C7 | F6 | F6 F7 |"
                "Bbmaj7 | Eb9 | Am7 | D7 | Gm7 | C7 | Am7 D7 | Gm7 C7 |"
                "Fmaj7 | Dm7 | Gm7 | C7 | Am7 D7 | Gm7 C7 | F6 | F6!"),
      {
          {1, 0, 1.5, "E5"},
          {1, 1.5, .5, "D5"},
          {1, 2, 1, "C5"},
          {1, 3, 1, "A4"},
          {2, 0, 2, "D5"},
          {2, 2.5, .5, "C5"},
          {2, 3, 1, "A4"},
          {3, 0, 1.5, "Bb4"},
          {3, 1.5, .5, "A4"},
          {3, 2, 1, "G4"},
          {3, 3, .5, "F4"},
          {3, 3.5, .5, "G4"},
          {4, 0, 1, "A4"},
          {4, 1, 1, "G4"},
          {4, 2, 2, "E4"},
          {5, 1, .5, "C5"},
          {5, 1.5, .5, "E5"},
          {5, 2, 1.5, "G5"},
          {5, 3.5, .5, "E5"},
          {6, 0, 1.5, "F#5"},
          {6, 1.5, .5, "E5"},
          {6, 2, 1, "D5"},
          {6, 3, 1, "C5"},
          {7, 0, 1, "Bb4"},
          {7, 1, 1, "D5"},
          {7, 2, 1, "F5"},
          {7, 3, .5, "E5"},
          {7, 3.5, .5, "D5"},
          {8, 0, 2, "E5"},
          {8, 3, .5, "C5"},
          {8, 3.5, .5, "D5"},
          // A'
          {9, 0, 1.5, "E5"},
          {9, 1.5, .5, "D5"},
          {9, 2, 1, "C5"},
          {9, 3, 1, "A4"},
          {10, 0, 1.5, "F5"},
          {10, 1.5, .5, "E5"},
          {10, 2, 1, "D5"},
          {10, 3, 1, "A4"},
          {11, 0, 1, "Bb4"},
          {11, 1, .5, "D5"},
          {11, 1.5, .5, "F5"},
          {11, 2, 1.5, "G5"},
          {11, 3.5, .5, "F5"},
          {12, 0, 1, "E5"},
          {12, 1, .5, "D5"},
          {12, 1.5, .5, "C5"},
          {12, 2, 1, "Bb4"},
          {12, 3, 1, "G4"},
          {13, 0, 1, "A4"},
          {13, 1, 1, "C5"},
          {13, 2, 1, "D5"},
          {13, 3, 1, "C5"},
          {14, 0, 1, "Bb4"},
          {14, 1, 1, "A4"},
          {14, 2, 1, "G4"},
          {14, 3, 1, "E4"},
          {15, 0, 3, "F4"},
          {16, 3, .5, "C5"},
          {16, 3.5, .5, "D5"},
          // B
          {17, 0, 2, "F5"},
          {17, 2, 1, "D5"},
          {17, 3, .5, "C5"},
          {17, 3.5, .5, "D5"},
          {18, 0, 2, "Db5"},
          {18, 2, 1, "C5"},
          {18, 3, 1, "Bb4"},
          {19, 0, 1.5, "C5"},
          {19, 1.5, .5, "E5"},
          {19, 2, 1, "G5"},
          {19, 3, 1, "E5"},
          {20, 0, 2, "F#5"},
          {20, 2, 1, "A5"},
          {20, 3, .5, "F#5"},
          {20, 3.5, .5, "E5"},
          {21, 0, 1.5, "D5"},
          {21, 1.5, .5, "F5"},
          {21, 2, 1, "A5"},
          {21, 3, 1, "G5"},
          {22, 0, 1.5, "E5"},
          {22, 1.5, .5, "D5"},
          {22, 2, 1, "C5"},
          {22, 3, 1, "Bb4"},
          {23, 0, 1, "A4"},
          {23, 1, 1, "C5"},
          {23, 2, 1, "C5"},
          {23, 3, .5, "A4"},
          {23, 3.5, .5, "F#4"},
          {24, 0, 2, "G4"},
          {24, 2, 1, "E4"},
          {24, 3, .5, "C5"},
          {24, 3.5, .5, "D5"},
          // A''
          {25, 0, 1.5, "E5"},
          {25, 1.5, .5, "D5"},
          {25, 2, 1, "C5"},
          {25, 3, 1, "A4"},
          {26, 0, 1.5, "F5"},
          {26, 1.5, .5, "E5"},
          {26, 2, 1, "D5"},
          {26, 3, 1, "A4"},
          {27, 0, 1, "Bb4"},
          {27, 1, .5, "D5"},
          {27, 1.5, .5, "F5"},
          {27, 2, 1.5, "G5"},
          {27, 3.5, .5, "F5"},
          {28, 0, 1, "E5"},
          {28, 1, .5, "D5"},
          {28, 1.5, .5, "C5"},
          {28, 2, 1, "Bb4"},
          {28, 3, 1, "G4"},
          {29, 0, 1, "A4"},
          {29, 1, 1, "C5"},
          {29, 2, 1, "D5"},
          {29, 3, 1, "C5"},
          {30, 0, 1, "Bb4"},
          {30, 1, 1, "A4"},
          {30, 2, 1, "G4"},
          {30, 3, 1, "E4"},
          {31, 0, 2, "F4"},
          {32, 3, .5, "C5"},
          {32, 3.5, .4, "D5"},
      },
      0x5eed'0001,
      false,
  };
  return Band(song).Play();
}

// The title screen: a brighter 16 bars in C with finger snaps.
Stereo BeginMusic() {
  static const Song song = {
      132,
      0.6,
      ParseBars("C6 | A7 | Dm7 | G7 | C6 | A7 | Dm7 G7 | C6 |"
                "Fmaj7 | Fm6 | Em7 | A7 | Dm7 | G7 | C6 A7 | Dm7 G7!"),
      {
          {1, 0, .5, "G4"},    {1, .5, .5, "A4"},   {1, 1, 1, "C5"},     {1, 2, 1.5, "E5"},
          {1, 3.5, .5, "D5"},  {2, 0, 1.5, "C#5"},  {2, 1.5, .5, "D5"},  {2, 2, 1, "E5"},
          {2, 3, 1, "G5"},     {3, 0, 1.5, "F5"},   {3, 1.5, .5, "E5"},  {3, 2, 1, "D5"},
          {3, 3, 1, "A4"},     {4, 0, 1, "B4"},     {4, 1, 1, "D5"},     {4, 2, 1, "F5"},
          {4, 3, .5, "E5"},    {4, 3.5, .5, "D5"},  {5, 0, 1.5, "E5"},   {5, 1.5, .5, "G4"},
          {5, 2, .5, "A4"},    {5, 2.5, .5, "C5"},  {5, 3, 1, "E5"},     {6, 0, 1.5, "G5"},
          {6, 1.5, .5, "E5"},  {6, 2, 1, "C#5"},    {6, 3, 1, "A4"},     {7, 0, 1, "D5"},
          {7, 1, 1, "F5"},     {7, 2, 1, "G5"},     {7, 3, .5, "F5"},    {7, 3.5, .5, "D5"},
          {8, 0, 2, "C5"},     {8, 3, .5, "E5"},    {8, 3.5, .5, "G5"},  {9, 0, 1.5, "A5"},
          {9, 1.5, .5, "G5"},  {9, 2, 1, "E5"},     {9, 3, 1, "C5"},     {10, 0, 1.5, "D5"},
          {10, 1.5, .5, "C5"}, {10, 2, 2, "Ab4"},   {11, 0, 1, "G4"},    {11, 1, 1, "B4"},
          {11, 2, 1, "D5"},    {11, 3, 1, "E5"},    {12, 0, 1.5, "G5"},  {12, 1.5, .5, "E5"},
          {12, 2, 1, "C#5"},   {12, 3, 1, "A4"},    {13, 0, 1, "F5"},    {13, 1, .5, "E5"},
          {13, 1.5, .5, "D5"}, {13, 2, 1, "A4"},    {13, 3, 1, "C5"},    {14, 0, 1, "B4"},
          {14, 1, 1, "D5"},    {14, 2, 1.5, "G5"},  {14, 3.5, .5, "F5"}, {15, 0, 1, "E5"},
          {15, 1, 1, "C5"},    {15, 2, 1, "C#5"},   {15, 3, 1, "E5"},    {16, 0, .5, "D5"},
          {16, 3, .5, "D5"},   {16, 3.5, .4, "B4"},
      },
      0x5eed'0002,
      true,
  };
  return Band(song).Play();
}

}  // namespace

const std::vector<Piece>& Pieces() {
  static const std::vector<Piece> pieces = {
      {"backmusic.mp3", &BackMusic},
      {"beginmusic.mp3", &BeginMusic},
  };
  return pieces;
}

Stereo RenderPiece(const Piece& p) {
  Stereo s = p.render();
  RemoveDc(s.left);
  RemoveDc(s.right);
  Normalize(s, 0.89);
  return s;
}

}  // namespace soundgen
