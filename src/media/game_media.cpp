#include "media/game_media.h"

namespace quorbis {

GameMedia::GameMedia(Game& g, std::unique_ptr<AudioBackend> backend, QObject* parent)
    : QObject(parent), audio_(g, std::move(backend)), keys_(g, audio_) {}

GameMedia::~GameMedia() {
  Stop();
}

void GameMedia::Start(QWidget* main_window) {
  audio_.InitMedia();
  audio_.SetMediaLoop(true);
  keys_.RegisterGameHotKeys(main_window);
  audio_.PlayMusicFile(audio_.game().BeginMusicFile);
}

void GameMedia::Stop() {
  audio_.StopWave();
  audio_.CloseMedia();
  audio_.SetMediaLoop(false);
  keys_.UnregisterGameHotKeys();
}

}  // namespace quorbis
