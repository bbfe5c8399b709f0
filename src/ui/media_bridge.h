// Joins the sound, music and hot keys to the windows: the main window's
// media object, the front end's sound calls sent to it, the options dialog
// behind the title button and the game menu, and the boss key telling the
// front end that the game is out of sight.
//
//   MediaBridge media(game, main_window, front_end);  // tests pass a back end
//   media.Start();    // the main window is shown: device, music, F7 and Esc
//   ...
//   media.Stop();     // the main window goes (also done by the destructor)
#pragma once

#include <memory>

#include "media/audio_backend.h"
#include "media/game_media.h"
#include "state/game_state.h"
#include "ui/qt_front_end.h"

namespace quorbis::ui {

class MainWindow;

class MediaBridge final : public SoundOutput {
 public:
  // Without a back end the SDL one is used (silent when there is no device).
  MediaBridge(Game& g, MainWindow& main, QtFrontEnd& fe,
              std::unique_ptr<AudioBackend> backend = nullptr);
  ~MediaBridge() override;
  MediaBridge(const MediaBridge&) = delete;
  MediaBridge& operator=(const MediaBridge&) = delete;

  void Start();
  void Stop();

  GameMedia& media() { return media_; }

  // The options dialog, modal over the main window.
  void OpenOptions();

  // --- SoundOutput ---------------------------------------------------------
  void PlayWave(Sound s, WaveMode mode) override;
  void StopWave() override;
  void PlayMusic(Music m) override;

 private:
  Game& g_;
  MainWindow& main_;
  QtFrontEnd& fe_;
  GameMedia media_;
  bool started_ = false;
};

}  // namespace quorbis::ui
