// An audio back end for tests: it plays nothing and notes every request, so
// that a test can check which effect each game event asked for, in which
// mode, and what the music was told to do.
#pragma once

#include <chrono>
#include <set>
#include <string>
#include <vector>

#include "media/audio_backend.h"

namespace quorbis {

struct AudioEvent {
  enum class Kind {
    Effect,  // file, mode
    StopEffect,
    HoldEffect,  // value 1 held, 0 released
    OpenMusic,   // file
    CloseMusic,
    PlayMusic,  // value 1 when looping
    PauseMusic,
    ResumeMusic,
    MusicVolume,   // value 0..1000
    MusicAudible,  // value 1 on, 0 off
  };
  Kind kind = Kind::Effect;
  std::string file = {};  // the file name without its folder
  WaveMode mode = WaveMode::Async;
  int value = 0;
  bool operator==(const AudioEvent&) const = default;
};

class RecordingAudioBackend final : public AudioBackend {
 public:
  // --- What the test sets ----------------------------------------------------
  bool has_device = true;
  // File names (without folder) that fail to open, like missing files.
  std::set<std::string> missing;
  // How long an effect played once lasts (looped ones last until stopped).
  std::chrono::milliseconds effect_length{0};

  // --- What the game asked for -----------------------------------------------
  std::vector<AudioEvent> events;
  std::string music_file;  // open music, empty when closed
  MusicState music_state = MusicState::Closed;
  bool music_looping = false;
  bool music_audible = true;
  int music_volume = 500;

  // The effect files played, in order.
  std::vector<std::string> Effects() const;
  // The effects with their modes, as "throw.wav/2".
  std::vector<std::string> EffectsWithModes() const;
  // The music reached its end (only a piece that does not loop stops).
  void FinishMusic();
  void Clear() { events.clear(); }

  bool HasDevice() override { return has_device; }
  bool PlayEffect(const std::string& path, WaveMode mode) override;
  bool EffectPlaying() override;
  void StopEffect() override;
  void PauseEffect(bool paused) override;
  bool OpenMusic(const std::string& path) override;
  void CloseMusic() override;
  bool PlayMusic(bool loop) override;
  bool PauseMusic() override;
  bool ResumeMusic() override;
  MusicState Music() override { return music_state; }
  void SetMusicVolume(int volume) override;
  void SetMusicAudible(bool audible) override;

 private:
  bool effect_looping_ = false;
  bool effect_active_ = false;
  std::chrono::steady_clock::time_point effect_started_;
};

}  // namespace quorbis
