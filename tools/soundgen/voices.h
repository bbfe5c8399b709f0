// Pitched voices shared by the effects and the music: a brass section voice,
// a sung vowel, and the struck instruments built from decaying partials.
#pragma once

#include "synth.h"

namespace soundgen {

struct BrassNote {
  double at = 0;        // seconds
  double length = 0.3;  // seconds until the release starts
  double midi = 60;
  double gain = 1;
  double brightness = 1;  // how far the tone opens at its peak (0.3 dull .. 2 blaring)
  double vibrato = 0;     // depth in semitones, fading in after 0.2 s
  double wah = 0;         // a plunger mute closing the tone again over the note (0..1)
  double glide = 0;       // pitch change in semitones over the note
  double release = 0.12;
  double tremolo = 0;  // amplitude wobble depth (0..1) at 7 Hz
};
// Adds a brass note: harmonics whose upper part opens with the attack.
void AddBrass(Samples& out, const BrassNote& n);

struct Vowel {
  double f1, f2, f3;  // formant centres in Hz
};
constexpr Vowel kVowelA = {720, 1180, 2600};

// One laughing syllable ("ha"): a breathy onset, then a voiced vowel whose
// pitch falls from f0_start to f0_end.
void AddSyllable(Samples& out, double at, double length, double f0_start, double f0_end,
                 double gain, const Vowel& v, Noise& noise);

// A timpani stroke tuned to `midi`.
void AddTimpani(Samples& out, double at, double midi, double gain, Noise& noise);

// A small bright bell or celesta bar.
void AddChime(Samples& out, double at, double midi, double gain, double decay_s = 0.5);

// Adds a mono room to a finished dry sound (mix 0..1).
void AddRoom(Samples& s, double room, double mix);

}  // namespace soundgen
