// SDL_mixer's side of the audio back end.
#pragma once

namespace quorbis {

// The game's music volume 0..1000 on SDL_mixer's scale 0..128.
int SdlMusicVolume(int volume);

}  // namespace quorbis
