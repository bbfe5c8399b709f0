// The game's sound: effects played one at a time from the "appdata/" folder,
// and the music, looped and kept running by a 100 ms poll. Everything obeys
// the game's switches: nothing plays while Mute or SoundOff is set, and the
// music is paused and silenced while Mute or MusicOff is set.
//
// Which effect plays when (each rule names its sound and mode where it plays
// it; see also kEffectCues in media/sound_table.h):
//   move.wav      looped   a token starts moving, and again after a pause
//   arrive.wav    wait     a token has arrived
//   jail.wav      wait     a player is sent to jail
//   throw.wav     wait     dice thrown for a move or at the casino
//   laugh.wav     wait     a rent is NOT paid because the square is mortgaged
//   upgrade.wav   once     a building is bought or upgraded
//   trust.wav     once     a colour group or trust is completed
//   win.wav       once/wait  a bet is won / a card brings money
//   lost.wav      once/wait  a bet is lost or a tax paid / a card costs money
//   bet.wav       wait     a casino field is chosen
//   bankrupt.wav  once     a player goes bankrupt
//   winner.wav    once     the game has a winner
//   register.wav  (spare)  a cash register, for purchases
#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <string>

#include "engine/front_end.h"
#include "media/audio_backend.h"
#include "state/game_state.h"

namespace quorbis {

class GameAudio : public QObject {
  Q_OBJECT

 public:
  // Without a back end the SDL one is used.
  explicit GameAudio(Game& g, std::unique_ptr<AudioBackend> backend = nullptr,
                     QObject* parent = nullptr);
  ~GameAudio() override;

  // --- Effects -----------------------------------------------------------------
  // Plays a file of "appdata/" (a bare name such as "throw.wav") or a full
  // path. Loop repeats it until StopWave; Async plays it once; Wait plays it
  // once and returns when it has finished, window events running meanwhile.
  // Starting an effect stops the one playing. Silent while Mute or SoundOff;
  // a missing file is silent too and is not waited for.
  void PlayWave(const std::string& file, WaveMode mode);
  void PlayWave(Sound s, WaveMode mode);
  void StopWave();

  // --- Music -------------------------------------------------------------------
  // Opens the sound device early, so that a machine without one is noticed
  // at start-up rather than at the first sound.
  void InitMedia();
  // On: music that stops is restarted by the 100 ms poll.
  void SetMediaLoop(bool on);
  // Starts a piece. The piece already playing goes on untouched (result "");
  // a piece that cannot be opened gives "Error". Music started while Mute or
  // MusicOff is set is paused and silenced at once.
  std::string PlayMusicFile(const std::string& file);
  // The title screen's or the game's music.
  void PlayMusic(Music m);
  std::string OpenMedia(const std::string& file);
  std::string PlayMedia();
  std::string CloseMedia();
  std::string PauseMedia();
  std::string ResumeMedia();
  // "playing", "paused", "stopped", or "ERROR" when no music is open.
  std::string GetMediaMode();
  // 0..1000 (the options' volume step x 100).
  std::string SetMediaVolume(int volume);
  void MuteMusic();
  void UnmuteMusic();
  // The poll: restarts music that has stopped.
  void MediaLoopTimerProc();

  // F7: all audio off, or back on (the music only if MusicOff is clear).
  void ToggleMute();
  // Holds the playing effect while the game is hidden, and lets it go on.
  void HoldEffects(bool hold);

  bool MediaLoop() const { return media_loop_; }
  const std::string& OpenedMediaFile() const { return opened_; }
  const std::string& PlayingMusicFile() const { return playing_; }
  AudioBackend& Backend() { return *backend_; }
  Game& game() { return g_; }

 signals:
  // Mute changed by F7 (the options dialog moves its tick).
  void muteChanged(bool mute);

 private:
  std::string PathOf(const std::string& file) const;
  // Runs window events until `playing` turns false, another effect starts,
  // or `limit_ms` of unheld time have passed.
  template <typename Playing>
  void Wait(uint64_t effect, int limit_ms, Playing&& playing);

  Game& g_;
  std::unique_ptr<AudioBackend> backend_;
  QTimer loop_timer_;
  bool media_loop_ = false;
  bool held_ = false;
  uint64_t effect_count_ = 0;  // tells a waiting effect that another has started
  std::string opened_;         // the file open on the music device
  std::string playing_;        // the file last started by PlayMusicFile
};

}  // namespace quorbis
