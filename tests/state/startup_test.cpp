#include "state/startup.h"

#include <gtest/gtest.h>

namespace quorbis {
namespace {

TEST(ResolvePaths, FoldersEndInASingleSlash) {
  struct Case {
    const char* folder;
    const char* app;
  } cases[] = {{"/opt/quorbis", "/opt/quorbis/"}, {"/opt/quorbis/", "/opt/quorbis/"}, {"/", "/"}};
  for (const Case& c : cases) {
    Game g;
    ResolvePaths(g, c.folder);
    EXPECT_EQ(g.AppPath, c.app);
    EXPECT_EQ(g.WavPath, std::string(c.app) + "appdata/");
    EXPECT_EQ(g.MapPath, std::string(c.app) + "maps/new york/");
    EXPECT_EQ(g.BackMusicFile, std::string(c.app) + "appdata/backmusic.mp3");
    EXPECT_EQ(g.BeginMusicFile, std::string(c.app) + "appdata/beginmusic.mp3");
  }
}

TEST(SetOptionDefaults, EveryStartBeginsWithTheSameOptions) {
  Game g;
  g.Mute = g.MusicOff = g.SoundOff = true;
  g.Volume = 2;
  g.VideoOption = 1;
  g.WindowMaximized = 0;
  g.RobotBase = 7;
  SetOptionDefaults(g);
  EXPECT_FALSE(g.Mute || g.MusicOff || g.SoundOff);
  EXPECT_EQ(g.Volume, 5);
  EXPECT_EQ(g.VideoOption, 5);
  EXPECT_EQ(g.WindowMaximized, 2);
  EXPECT_EQ(g.RobotBase, 100);
}

}  // namespace
}  // namespace quorbis
