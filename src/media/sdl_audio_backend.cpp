#include "media/sdl_audio_backend.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <dlfcn.h>

#include <QtGlobal>
#include <algorithm>
#include <cmath>
#include <map>

#include "media/audio_backend.h"

namespace quorbis {
namespace {

// Effects have a channel of their own: starting one stops the one before.
constexpr int kEffectChannel = 0;
// A few milliseconds of fade-in, so that music starting mid-phrase (its loop
// point is not silent) does not click.
constexpr int kMusicFadeInMs = 40;

// ALSA prints its own complaints on stderr when SDL probes a machine without
// a sound card. A missing card is normal here (servers, CI, muted desktops),
// so those lines are swallowed; the game says once, calmly, that it is silent.
void SilentAlsaError(const char*, int, const char*, int, const char*, ...) {}
void QuietAlsa() {
  void* alsa = dlopen("libasound.so.2", RTLD_LAZY);
  if (!alsa) return;
  using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
  using SetHandler = int (*)(Handler);
  if (auto set = reinterpret_cast<SetHandler>(dlsym(alsa, "snd_lib_error_set_handler")))
    set(&SilentAlsaError);
  // The library stays loaded: the handler must outlive every later use.
}

class SdlAudioBackend final : public AudioBackend {
 public:
  ~SdlAudioBackend() override {
    if (!open_) return;
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    for (auto& [path, chunk] : chunks_) Mix_FreeChunk(chunk);
    if (music_) Mix_FreeMusic(music_);
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }

  bool HasDevice() override {
    Open();
    return open_;
  }

  bool PlayEffect(const std::string& path, WaveMode mode) override {
    if (!HasDevice()) return false;
    Mix_Chunk* chunk = Chunk(path);
    if (!chunk) {
      Mix_HaltChannel(kEffectChannel);
      return false;
    }
    return Mix_PlayChannel(kEffectChannel, chunk, mode == WaveMode::Loop ? -1 : 0) >= 0;
  }
  bool EffectPlaying() override { return open_ && Mix_Playing(kEffectChannel) != 0; }
  void StopEffect() override {
    if (open_) Mix_HaltChannel(kEffectChannel);
  }
  void PauseEffect(bool paused) override {
    if (!open_) return;
    if (paused)
      Mix_Pause(kEffectChannel);
    else
      Mix_Resume(kEffectChannel);
  }

  bool OpenMusic(const std::string& path) override {
    CloseMusic();
    if (!HasDevice()) return false;
    music_ = Mix_LoadMUS(path.c_str());
    return music_ != nullptr;
  }
  void CloseMusic() override {
    if (!music_) return;
    Mix_HaltMusic();
    Mix_FreeMusic(music_);
    music_ = nullptr;
  }
  bool PlayMusic(bool loop) override {
    if (!music_) return false;
    // Loops -1: forever, gaplessly (the decoder trims the MP3 padding).
    return Mix_FadeInMusic(music_, loop ? -1 : 1, kMusicFadeInMs) == 0;
  }
  bool PauseMusic() override {
    if (!music_) return false;
    Mix_PauseMusic();
    return true;
  }
  bool ResumeMusic() override {
    if (!music_) return false;
    Mix_ResumeMusic();
    return true;
  }
  MusicState Music() override {
    if (!music_) return MusicState::Closed;
    // Paused music still counts as playing for SDL_mixer.
    if (!Mix_PlayingMusic()) return MusicState::Stopped;
    return Mix_PausedMusic() ? MusicState::Paused : MusicState::Playing;
  }
  void SetMusicVolume(int volume) override {
    volume_ = volume;
    Apply();
  }
  void SetMusicAudible(bool audible) override {
    audible_ = audible;
    Apply();
  }

 private:
  void Open() {
    if (tried_) return;
    tried_ = true;
    QuietAlsa();
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Quorbis of New York");
    // SDL would otherwise take over Ctrl+C and SIGTERM to queue a quit event
    // that nobody reads here, and the game could no longer be ended from a
    // terminal or by the session.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
      qInfo("No sound device: the game plays without sound.");
      return;
    }
    Mix_Init(MIX_INIT_MP3);
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
      qInfo("No sound device: the game plays without sound.");
      Mix_Quit();
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      return;
    }
    Mix_AllocateChannels(1);
    open_ = true;
    Apply();
  }

  Mix_Chunk* Chunk(const std::string& path) {
    if (auto it = chunks_.find(path); it != chunks_.end()) return it->second;
    Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
    // A missing file is not remembered: it may still appear.
    if (chunk) chunks_.emplace(path, chunk);
    return chunk;
  }

  void Apply() {
    if (open_) Mix_VolumeMusic(audible_ ? SdlMusicVolume(volume_) : 0);
  }

  bool tried_ = false;
  bool open_ = false;
  std::map<std::string, Mix_Chunk*> chunks_;
  Mix_Music* music_ = nullptr;
  int volume_ = 500;
  bool audible_ = true;
};

}  // namespace

int SdlMusicVolume(int volume) {
  const int clamped = std::clamp(volume, 0, 1000);
  return static_cast<int>(std::lround(clamped * double(MIX_MAX_VOLUME) / 1000.0));
}

std::unique_ptr<AudioBackend> MakeSdlAudioBackend() {
  return std::make_unique<SdlAudioBackend>();
}

}  // namespace quorbis
