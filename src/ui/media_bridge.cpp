#include "ui/media_bridge.h"

#include "ui/main_window.h"
#include "ui/menus.h"
#include "ui/option_dialog.h"

namespace quorbis::ui {

MediaBridge::MediaBridge(Game& g, MainWindow& main, QtFrontEnd& fe,
                         std::unique_ptr<AudioBackend> backend)
    : g_(g), main_(main), fe_(fe), media_(g, std::move(backend)) {
  fe_.SetSoundOutput(this);
  main_.onOptions = [this] { OpenOptions(); };
  // While the boss key hides the game, its pauses hold and its messages wait
  // out of sight like every other window.
  QObject::connect(&media_.Keys(), &HotKeys::bossKeyToggled, &fe_,
                   [this](bool hidden) { fe_.SetGameHidden(hidden); });
}

MediaBridge::~MediaBridge() {
  Stop();
  if (main_.onOptions) main_.onOptions = nullptr;
  fe_.SetSoundOutput(nullptr);
}

void MediaBridge::Start() {
  if (started_) return;
  started_ = true;
  // Opens the device, starts the 100 ms music poll, takes F7 and Esc and
  // plays the title music.
  media_.Start(&main_);
}

void MediaBridge::Stop() {
  if (!started_) return;
  started_ = false;
  media_.Stop();
}

void MediaBridge::OpenOptions() {
  if (g_.OptionDialogOpen) return;
  FrmOption dialog(g_, media_.Audio(), &main_);
  // A nested wait of the game's own kind: posted turns wait until it closes.
  RunModal(&dialog);
}

void MediaBridge::PlayWave(Sound s, WaveMode mode) {
  media_.Audio().PlayWave(s, mode);
}

void MediaBridge::StopWave() {
  media_.Audio().StopWave();
}

void MediaBridge::PlayMusic(Music m) {
  media_.Audio().PlayMusic(m);
}

}  // namespace quorbis::ui
