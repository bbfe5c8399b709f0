#include "state/startup.h"

namespace quorbis {

void SetOptionDefaults(Game& g) {
  g.Mute = false;
  g.MusicOff = false;
  g.SoundOff = false;
  g.Volume = 5;
  g.VideoOption = 5;
  g.WindowMaximized = 2;
  g.RobotBase = 100;
}

void ResolvePaths(Game& g, std::string program_folder) {
  if (program_folder.empty() || program_folder.back() != '/') program_folder += '/';
  g.AppPath = program_folder;
  g.WavPath = g.AppPath + "appdata/";
  g.MapPath = g.AppPath + "maps/new york/";
  g.BackMusicFile = g.WavPath + "backmusic.mp3";
  g.BeginMusicFile = g.WavPath + "beginmusic.mp3";
}

}  // namespace quorbis
