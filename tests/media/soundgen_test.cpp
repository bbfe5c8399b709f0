// The generated sounds: clean levels, no clicks at their edges or loop
// points, lengths that fit their events, and the same bytes every build.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "effects.h"
#include "engine/front_end.h"
#include "media/sound_table.h"
#include "music.h"

namespace {

using soundgen::Samples;

constexpr double kFullScaleLimit = 0.9;  // about -0.9 dBFS

double Mean(const Samples& s) {
  double sum = 0;
  for (float x : s) sum += x;
  return sum / double(s.size());
}

double Rms(const Samples& s) {
  double sum = 0;
  for (float x : s) sum += double(x) * x;
  return std::sqrt(sum / double(s.size()));
}

// The step between neighbouring samples that only the sharpest 0.1 % of the
// sound exceeds: a loop seam bigger than this would be heard as a click.
double SharpStep(const Samples& s) {
  std::vector<float> steps;
  steps.reserve(s.size());
  for (size_t i = 1; i < s.size(); ++i) steps.push_back(std::fabs(s[i] - s[i - 1]));
  const size_t at = steps.size() - steps.size() / 1000 - 1;
  std::nth_element(steps.begin(), steps.begin() + long(at), steps.end());
  return steps[at];
}

void ExpectSeamless(const Samples& s, const std::string& what) {
  const double seam = std::fabs(s.front() - s.back());
  EXPECT_LE(seam, SharpStep(s)) << what << ": the loop point jumps by " << seam;
}

struct EffectSpec {
  const char* file;
  double min_s, max_s;  // what its event can afford
};

// The waited-for effects pace the game, so they stay short; the fanfare and
// the bankruptcy sting may take their time.
constexpr EffectSpec kEffectSpecs[] = {
    {"move.wav", 0.3, 1.5},     {"arrive.wav", 0.3, 1.0},   {"jail.wav", 0.8, 2.0},
    {"throw.wav", 0.7, 1.2},    {"laugh.wav", 0.8, 1.6},    {"upgrade.wav", 0.5, 1.5},
    {"trust.wav", 0.8, 2.0},    {"win.wav", 0.5, 1.5},      {"lost.wav", 1.0, 2.0},
    {"bet.wav", 0.2, 0.8},      {"bankrupt.wav", 1.5, 3.0}, {"winner.wav", 2.5, 4.5},
    {"register.wav", 0.5, 1.5},
};

TEST(SoundEffects, EveryEffectIsCleanAndFitsItsEvent) {
  std::set<std::string> specified;
  for (const EffectSpec& spec : kEffectSpecs) specified.insert(spec.file);
  for (const soundgen::Effect& e : soundgen::Effects()) {
    SCOPED_TRACE(e.file);
    ASSERT_TRUE(specified.contains(e.file)) << "an effect without expectations";
    const auto spec = *std::find_if(std::begin(kEffectSpecs), std::end(kEffectSpecs),
                                    [&](const EffectSpec& s) { return e.file == s.file; });
    const Samples s = soundgen::RenderEffect(e);
    const double seconds = double(s.size()) / soundgen::kRate;
    EXPECT_GE(seconds, spec.min_s);
    EXPECT_LE(seconds, spec.max_s);
    const double peak = soundgen::Peak(s);
    EXPECT_LT(peak, kFullScaleLimit) << "too close to clipping";
    EXPECT_GT(peak, 0.25) << "hardly audible";
    EXPECT_LT(std::fabs(Mean(s)), 0.002) << "DC offset";
    if (e.loops) {
      ExpectSeamless(s, e.file);
    } else {
      // Starting or stopping away from zero clicks.
      EXPECT_LT(std::fabs(s.front()), 0.002);
      EXPECT_LT(std::fabs(s.back()), 0.002);
    }
  }
}

TEST(SoundEffects, EverySoundOfTheGameIsGeneratedAndCued) {
  std::set<std::string> generated;
  for (const soundgen::Effect& e : soundgen::Effects()) generated.insert(e.file);
  for (int k = 0; k < quorbis::kSoundCount; ++k) {
    const auto sound = static_cast<quorbis::Sound>(k);
    const char* file = quorbis::SoundFile(sound);
    EXPECT_TRUE(generated.contains(file)) << file;
    EXPECT_TRUE(std::any_of(std::begin(quorbis::kEffectCues), std::end(quorbis::kEffectCues),
                            [&](const quorbis::EffectCue& c) { return c.sound == sound; }))
        << file << " has no event in the sound table";
  }
}

TEST(Music, PiecesLoopSeamlesslyBelowFullScale) {
  struct Expect {
    const char* file;
    double min_s, max_s;
  };
  // The game's music plays for an hour: long enough not to nag. The title
  // music is heard for a minute at most.
  const Expect expects[] = {{"backmusic.mp3", 60, 150}, {"beginmusic.mp3", 20, 90}};
  ASSERT_EQ(soundgen::Pieces().size(), std::size(expects));
  for (size_t i = 0; i < std::size(expects); ++i) {
    const soundgen::Piece& piece = soundgen::Pieces()[i];
    SCOPED_TRACE(piece.file);
    EXPECT_EQ(piece.file, expects[i].file);
    const soundgen::Stereo s = soundgen::RenderPiece(piece);
    const double seconds = double(s.Frames()) / soundgen::kRate;
    EXPECT_GE(seconds, expects[i].min_s);
    EXPECT_LE(seconds, expects[i].max_s);
    for (const Samples* channel : {&s.left, &s.right}) {
      EXPECT_LT(soundgen::Peak(*channel), kFullScaleLimit);
      EXPECT_LT(std::fabs(Mean(*channel)), 0.002);
      // Background music: present, but well under the effects.
      const double rms_db = 20 * std::log10(Rms(*channel));
      EXPECT_GT(rms_db, -30);
      EXPECT_LT(rms_db, -10);
      ExpectSeamless(*channel, piece.file);
    }
  }
}

// --- The generator program ------------------------------------------------------

std::string ReadFile(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

int RunGenerator(const std::string& args) {
  const std::string command = std::string(QUORBIS_SOUNDGEN) + " " + args + " 2>/dev/null";
  return std::system(command.c_str());
}

TEST(SoundGenerator, WritesTheSameWavFilesEveryRun) {
  const auto root = std::filesystem::temp_directory_path() / "quorbis-soundgen-test";
  std::filesystem::remove_all(root);
  ASSERT_EQ(RunGenerator("--effects " + (root / "a").string()), 0);
  ASSERT_EQ(RunGenerator("--effects " + (root / "b").string()), 0);
  for (const soundgen::Effect& e : soundgen::Effects()) {
    SCOPED_TRACE(e.file);
    const std::string a = ReadFile(root / "a" / e.file);
    ASSERT_GT(a.size(), 44u);
    EXPECT_EQ(a, ReadFile(root / "b" / e.file)) << "the generator is not deterministic";
    // RIFF/WAVE, PCM, mono, 44100 Hz, 16 bits.
    EXPECT_EQ(a.substr(0, 4), "RIFF");
    EXPECT_EQ(a.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(a[20], 1);
    EXPECT_EQ(a[22], 1);
    EXPECT_EQ(uint8_t(a[24]) | uint8_t(a[25]) << 8, soundgen::kRate);
    EXPECT_EQ(a[34], 16);
  }
  std::filesystem::remove_all(root);
}

TEST(SoundGenerator, ReportsFailureInsteadOfSuccess) {
  // A folder that cannot be made, and a bad argument.
  EXPECT_NE(RunGenerator("--effects /proc/no/such/folder"), 0);
  EXPECT_NE(RunGenerator("--loud"), 0);
}

}  // namespace
