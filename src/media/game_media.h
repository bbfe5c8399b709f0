// Sound, music and hot keys in one object for the main window to own.
//
//   GameMedia media(game);              // SDL sound; tests pass a recording back end
//   media.Start(&main_window);          // main window load: device, music loop,
//                                       //   hot keys, the title music
//   media.Audio().PlayMusic(Music::Back);   // a game starts (Music::Begin on quit)
//   media.Stop();                       // main window unload
//
// The Qt front end forwards the engine's sound calls unchanged:
//   PlayWave(s, mode) -> media.Audio().PlayWave(s, mode)
//   StopWave()        -> media.Audio().StopWave()
//   PlayMusic(m)      -> media.Audio().PlayMusic(m)
// and connects media.Keys().bossKeyToggled / muteToggled where it cares.
#pragma once

#include <QObject>
#include <memory>

#include "media/audio_backend.h"
#include "media/game_audio.h"
#include "media/hot_keys.h"
#include "state/game_state.h"

class QWidget;

namespace quorbis {

class GameMedia : public QObject {
  Q_OBJECT

 public:
  explicit GameMedia(Game& g, std::unique_ptr<AudioBackend> backend = nullptr,
                     QObject* parent = nullptr);
  ~GameMedia() override;

  GameAudio& Audio() { return audio_; }
  HotKeys& Keys() { return keys_; }

  // The main window's load: opens the sound device, starts the music poll,
  // registers F7 and Esc on the window, and plays the title music.
  void Start(QWidget* main_window);
  // The main window's unload: effects and music stop, the keys go.
  void Stop();

 private:
  GameAudio audio_;
  HotKeys keys_;
};

}  // namespace quorbis
