// The two audio channels of the game as a device sees them: one sound effect
// at a time, and one piece of music that can be paused, silenced and looped.
// The SDL back end plays them; the recording back end (tests) only notes what
// it was asked to do.
#pragma once

#include <memory>
#include <string>

#include "engine/front_end.h"

namespace quorbis {

enum class MusicState { Closed, Stopped, Playing, Paused };

class AudioBackend {
 public:
  virtual ~AudioBackend() = default;

  // False when there is no sound device: every call is then silent.
  virtual bool HasDevice() = 0;

  // --- Effects: one at a time; starting one stops the one playing ------------
  // Mode Loop repeats it until stopped; Async and Wait play it once (the
  // caller does the waiting). False when the file cannot be played.
  virtual bool PlayEffect(const std::string& path, WaveMode mode) = 0;
  virtual bool EffectPlaying() = 0;
  virtual void StopEffect() = 0;
  // Holds the playing effect where it is (the game hidden by the boss key).
  virtual void PauseEffect(bool paused) = 0;

  // --- Music -----------------------------------------------------------------
  virtual bool OpenMusic(const std::string& path) = 0;
  virtual void CloseMusic() = 0;
  // From the start; with `loop` it repeats seamlessly until stopped.
  virtual bool PlayMusic(bool loop) = 0;
  virtual bool PauseMusic() = 0;
  virtual bool ResumeMusic() = 0;
  virtual MusicState Music() = 0;
  // 0..1000, kept while the music is silenced.
  virtual void SetMusicVolume(int volume) = 0;
  // Silences the music channel without touching its position or volume.
  virtual void SetMusicAudible(bool audible) = 0;
};

// The SDL_mixer back end. It opens the sound device on first use; without a
// device it stays silent and says so once.
std::unique_ptr<AudioBackend> MakeSdlAudioBackend();

}  // namespace quorbis
