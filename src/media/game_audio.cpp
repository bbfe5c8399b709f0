#include "media/game_audio.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPointer>
#include <algorithm>

#include "media/wave_file.h"

namespace quorbis {
namespace {

constexpr int kLoopPollMs = 100;
constexpr int kWaitTickMs = 10;
// A waited-for effect that the device reports playing for longer than this
// is given up on, so that a stuck device cannot hold the game.
constexpr int kLongestEffectMs = 15000;

}  // namespace

GameAudio::GameAudio(Game& g, std::unique_ptr<AudioBackend> backend, QObject* parent)
    : QObject(parent), g_(g), backend_(backend ? std::move(backend) : MakeSdlAudioBackend()) {
  loop_timer_.setInterval(kLoopPollMs);
  connect(&loop_timer_, &QTimer::timeout, this, &GameAudio::MediaLoopTimerProc);
}

GameAudio::~GameAudio() = default;

std::string GameAudio::PathOf(const std::string& file) const {
  return file.find('/') == std::string::npos ? g_.WavPath + file : file;
}

template <typename Playing>
void GameAudio::Wait(uint64_t effect, int limit_ms, Playing&& playing) {
  if (!QCoreApplication::instance()) return;
  // The window that owns the audio may close while the events run.
  const QPointer<GameAudio> self(this);
  QElapsedTimer clock;
  clock.start();
  qint64 unheld_ms = 0;
  auto done = [&] {
    if (!self) return true;
    const qint64 step = clock.restart();
    if (!held_) unheld_ms += step;
    return effect != effect_count_ || !playing() || unheld_ms >= limit_ms;
  };
  if (done()) return;
  QEventLoop loop;
  QTimer tick;
  connect(&tick, &QTimer::timeout, &loop, [&] {
    if (done()) loop.quit();
  });
  tick.start(kWaitTickMs);
  loop.exec();
}

void GameAudio::PlayWave(const std::string& file, WaveMode mode) {
  if (g_.Mute || g_.SoundOff) return;
  const std::string path = PathOf(file);
  const uint64_t effect = ++effect_count_;
  const bool started = backend_->PlayEffect(path, mode);
  if (mode != WaveMode::Wait) return;
  if (started) {
    Wait(effect, kLongestEffectMs, [this] { return backend_->EffectPlaying(); });
  } else if (!backend_->HasDevice()) {
    // No sound device: the game keeps the pace the sound would have set.
    const int length = WaveDurationMs(path);
    if (length > 0) Wait(effect, length, [] { return true; });
  }
}

void GameAudio::PlayWave(Sound s, WaveMode mode) {
  PlayWave(std::string(SoundFile(s)), mode);
}

void GameAudio::StopWave() {
  ++effect_count_;
  backend_->StopEffect();
}

void GameAudio::HoldEffects(bool hold) {
  held_ = hold;
  backend_->PauseEffect(hold);
}

void GameAudio::InitMedia() {
  backend_->HasDevice();
}

void GameAudio::SetMediaLoop(bool on) {
  media_loop_ = on;
  if (on)
    loop_timer_.start();
  else
    loop_timer_.stop();
}

std::string GameAudio::PlayMusicFile(const std::string& file) {
  if (file == playing_) return "";
  if (file != opened_) {
    if (OpenMedia(file) != "Success") return "Error";
    SetMediaVolume(g_.Volume * 100);
    playing_ = opened_ = file;
  }
  // Silenced before it starts, so that muted music never sounds for a moment.
  const bool silent = g_.Mute || g_.MusicOff;
  backend_->SetMusicAudible(!silent);
  const std::string status = PlayMedia();
  if (media_loop_) loop_timer_.start();
  if (silent) MuteMusic();
  return status;
}

void GameAudio::PlayMusic(Music m) {
  PlayMusicFile(m == Music::Begin ? g_.BeginMusicFile : g_.BackMusicFile);
}

std::string GameAudio::OpenMedia(const std::string& file) {
  CloseMedia();
  return backend_->OpenMusic(file) ? "Success" : "The music file cannot be opened.";
}

std::string GameAudio::PlayMedia() {
  return backend_->PlayMusic(media_loop_) ? "Success" : "No music is open.";
}

std::string GameAudio::CloseMedia() {
  backend_->CloseMusic();
  opened_.clear();
  // What is closed no longer plays: the next PlayMusicFile of the same file
  // must start it again rather than take it for the music already playing.
  playing_.clear();
  return "Success";
}

std::string GameAudio::PauseMedia() {
  return backend_->PauseMusic() ? "Success" : "No music is open.";
}

std::string GameAudio::ResumeMedia() {
  if (!backend_->ResumeMusic()) return "No music is open.";
  if (media_loop_) loop_timer_.start();
  return "Success";
}

std::string GameAudio::GetMediaMode() {
  switch (backend_->Music()) {
    case MusicState::Closed:
      return "ERROR";
    case MusicState::Stopped:
      return "stopped";
    case MusicState::Playing:
      return "playing";
    case MusicState::Paused:
      return "paused";
  }
  return "ERROR";
}

std::string GameAudio::SetMediaVolume(int volume) {
  backend_->SetMusicVolume(std::clamp(volume, 0, 1000));
  return "0";
}

void GameAudio::MuteMusic() {
  PauseMedia();
  backend_->SetMusicAudible(false);
}

void GameAudio::UnmuteMusic() {
  backend_->SetMusicAudible(true);
  ResumeMedia();
}

void GameAudio::MediaLoopTimerProc() {
  if (GetMediaMode() == "stopped") PlayMedia();
}

void GameAudio::ToggleMute() {
  if (g_.Mute) {
    g_.Mute = false;
    if (!g_.MusicOff) UnmuteMusic();
  } else {
    g_.Mute = true;
    MuteMusic();
    StopWave();
  }
  emit muteChanged(g_.Mute);
}

}  // namespace quorbis
