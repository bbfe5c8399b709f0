#include "media/recording_audio_backend.h"

namespace quorbis {
namespace {

std::string FileName(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::vector<std::string> RecordingAudioBackend::Effects() const {
  std::vector<std::string> files;
  for (const AudioEvent& e : events)
    if (e.kind == AudioEvent::Kind::Effect) files.push_back(e.file);
  return files;
}

std::vector<std::string> RecordingAudioBackend::EffectsWithModes() const {
  std::vector<std::string> files;
  for (const AudioEvent& e : events)
    if (e.kind == AudioEvent::Kind::Effect)
      files.push_back(e.file + "/" + std::to_string(static_cast<int>(e.mode)));
  return files;
}

void RecordingAudioBackend::FinishMusic() {
  if (music_state == MusicState::Playing) music_state = MusicState::Stopped;
}

bool RecordingAudioBackend::PlayEffect(const std::string& path, WaveMode mode) {
  const std::string file = FileName(path);
  events.push_back({AudioEvent::Kind::Effect, file, mode});
  effect_active_ = has_device && !missing.contains(file);
  effect_looping_ = mode == WaveMode::Loop;
  effect_started_ = std::chrono::steady_clock::now();
  return effect_active_;
}

bool RecordingAudioBackend::EffectPlaying() {
  if (!effect_active_) return false;
  if (effect_looping_) return true;
  effect_active_ = std::chrono::steady_clock::now() - effect_started_ < effect_length;
  return effect_active_;
}

void RecordingAudioBackend::StopEffect() {
  events.push_back({AudioEvent::Kind::StopEffect});
  effect_active_ = false;
}

void RecordingAudioBackend::PauseEffect(bool paused) {
  events.push_back({AudioEvent::Kind::HoldEffect, {}, WaveMode::Async, paused ? 1 : 0});
}

bool RecordingAudioBackend::OpenMusic(const std::string& path) {
  CloseMusic();
  const std::string file = FileName(path);
  events.push_back({AudioEvent::Kind::OpenMusic, file});
  if (!has_device || missing.contains(file)) return false;
  music_file = file;
  music_state = MusicState::Stopped;
  return true;
}

void RecordingAudioBackend::CloseMusic() {
  if (music_state == MusicState::Closed) return;
  events.push_back({AudioEvent::Kind::CloseMusic, music_file});
  music_file.clear();
  music_state = MusicState::Closed;
}

bool RecordingAudioBackend::PlayMusic(bool loop) {
  events.push_back({AudioEvent::Kind::PlayMusic, music_file, WaveMode::Async, loop ? 1 : 0});
  if (music_state == MusicState::Closed) return false;
  music_state = MusicState::Playing;
  music_looping = loop;
  return true;
}

bool RecordingAudioBackend::PauseMusic() {
  events.push_back({AudioEvent::Kind::PauseMusic, music_file});
  if (music_state == MusicState::Closed) return false;
  if (music_state == MusicState::Playing) music_state = MusicState::Paused;
  return true;
}

bool RecordingAudioBackend::ResumeMusic() {
  events.push_back({AudioEvent::Kind::ResumeMusic, music_file});
  if (music_state == MusicState::Closed) return false;
  if (music_state == MusicState::Paused) music_state = MusicState::Playing;
  return true;
}

void RecordingAudioBackend::SetMusicVolume(int volume) {
  events.push_back({AudioEvent::Kind::MusicVolume, music_file, WaveMode::Async, volume});
  music_volume = volume;
}

void RecordingAudioBackend::SetMusicAudible(bool audible) {
  events.push_back({AudioEvent::Kind::MusicAudible, music_file, WaveMode::Async, audible ? 1 : 0});
  music_audible = audible;
}

}  // namespace quorbis
