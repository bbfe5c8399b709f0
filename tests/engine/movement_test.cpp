#include "engine/movement.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "support/game_fixture.h"

namespace quorbis {
namespace {

using testing::GameFixture;
using Frame = HeadlessFrontEnd::Frame;

TEST(GetPoint, CornerThatBeginsTheSideToOrFromASquare) {
  struct Case {
    int square;
    int as_destination;
    int as_origin;
  } cases[] = {{0, 36, 0},   {1, 0, 0},    {11, 0, 0},   {12, 0, 12},  {13, 12, 12}, {23, 12, 12},
               {24, 12, 24}, {25, 24, 24}, {35, 24, 24}, {36, 24, 36}, {37, 36, 36}, {47, 36, 36}};
  for (const Case& c : cases) {
    EXPECT_EQ(GetPoint(c.square, true), c.as_destination) << c.square;
    EXPECT_EQ(GetPoint(c.square, false), c.as_origin) << c.square;
  }
}

// A move is drawn as straight runs along the board's edges that turn only at
// the corners, stop at the bank when they pass it, and pay the salary where a
// run reaches GO.
TEST(PlayerMove, SplitsTheWayIntoRunsThatTurnAtTheCorners) {
  struct Case {
    const char* name;
    int from;
    int steps;
    bool back;
    std::vector<int> waypoints;  // squares the token must stand on exactly, in order
    bool salary;
    bool passed_go;
    bool bank_stop;
  } cases[] = {
      {"45 + 7 goes round GO", 45, 7, false, {0, 4}, true, true, false},
      {"45 + 3 ends on GO", 45, 3, false, {0}, true, true, false},
      {"10 + 12 passes the bank", 10, 12, false, {12, 21, 22}, false, false, true},
      {"41 + 23 turns twice", 41, 23, false, {0, 12, 16}, true, true, false},
      {"20 + 12 passes the bank and a corner", 20, 12, false, {21, 24, 32}, false, false, true},
      {"21 + 5 leaves the bank without a second stop", 21, 5, false, {24, 26}, false, false, false},
      {"12 + 9 lands on the bank", 12, 9, false, {21}, false, false, true},
      {"30 + 6 one run to a corner", 30, 6, false, {36}, false, false, false},
      {"27 back 3 (45 steps) to Free Park", 27, 45, true, {24}, false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    GameFixture fx({{"Ann", true}, {"Bob"}});
    fx.LayOutTokens();
    fx.ui.animate = true;
    fx.P(0).PassedGo = false;
    fx.Seat(0, c.from);
    const Dollars cash = fx.P(0).Cash;
    // Where the token stands while the bank settles with its player.
    std::vector<int> bank_stops;
    fx.ui.on_tip = [&](std::string_view text) {
      if (text != "Ann is processing the bank business.") return;
      const Frame at = fx.ui.frames.back();
      for (int k = 0; k < kSquareCount; ++k)
        if (fx.P(0).TokenPos[k].X == at.x && fx.P(0).TokenPos[k].Y == at.y) bank_stops.push_back(k);
    };

    PlayerMove(fx.g, 0, c.steps, false, c.back);

    const int to = (c.from + c.steps) % kSquareCount;
    EXPECT_EQ(fx.P(0).Position, to);
    EXPECT_EQ(fx.g.CurSquare, to);
    EXPECT_EQ(fx.P(0).Cash - cash, c.salary ? 200 : 0);
    EXPECT_EQ(fx.P(0).PassedGo, c.passed_go);
    EXPECT_EQ(bank_stops, c.bank_stop ? std::vector<int>{21} : std::vector<int>{});

    const std::vector<Frame>& f = fx.ui.frames;
    ASSERT_FALSE(f.empty());
    // Every frame moves along one axis only, never more than 4 pixels (the
    // exact draw at a run's end steps back the overshoot).
    for (size_t i = 1; i < f.size(); ++i) {
      const int dx = std::abs(f[i].x - f[i - 1].x);
      const int dy = std::abs(f[i].y - f[i - 1].y);
      EXPECT_TRUE(dx == 0 || dy == 0) << "diagonal frame " << i;
      EXPECT_LE(dx + dy, 4) << "jump at frame " << i;
    }
    // The token stands exactly on each waypoint in order and ends on the last.
    size_t next = 0;
    for (const Frame& fr : f) {
      if (next == c.waypoints.size()) break;
      const Point want = fx.P(0).TokenPos[c.waypoints[next]];
      if (fr.x == want.X && fr.y == want.Y) ++next;
    }
    EXPECT_EQ(next, c.waypoints.size()) << "waypoint " << next << " never reached";
    EXPECT_EQ(f.back().x, fx.P(0).TokenPos[to].X);
    EXPECT_EQ(f.back().y, fx.P(0).TokenPos[to].Y);
  }
}

TEST(PlayerMove, SalaryTipNamesThePlayerAndTheAmount) {
  GameFixture fx;
  fx.Seat(0, 45);
  PlayerMove(fx.g, 0, 7, false, false);
  ASSERT_EQ(fx.ui.tips.size(), 1u);
  EXPECT_EQ(fx.ui.tips[0], "Ann collected salary $200 for passing go.");
}

TEST(PlayerMove, WithoutAnimationEveryRuleStillApplies) {
  GameFixture fx({{"Ann", true}, {"Bob"}});
  fx.P(0).PassedGo = false;
  fx.Seat(0, 41);
  PlayerMove(fx.g, 0, 23, false, false);
  EXPECT_TRUE(fx.ui.frames.empty());
  EXPECT_EQ(fx.P(0).Position, 16);
  EXPECT_EQ(fx.P(0).Cash, 1700);
  EXPECT_TRUE(fx.P(0).PassedGo);
  // 16 is reached along the side from the jail, after GO: no bank on the way.
  EXPECT_EQ(fx.ui.tips, (std::vector<std::string>{"Ann collected salary $200 for passing go."}));
}

TEST(PlayerMove, QuittingMidMoveStopsAtTheNextFrameWithoutArriving) {
  GameFixture fx;
  fx.LayOutTokens();
  fx.ui.animate = true;
  fx.Seat(0, 40);
  int frames_at_quit = -1;
  fx.ui.on_process_events = [&] {
    if (fx.ui.frames.size() == 5 && fx.g.GameOver == 0) {
      fx.g.GameOver = 1;
      frames_at_quit = static_cast<int>(fx.ui.frames.size());
    }
  };
  const Dollars cash = fx.P(0).Cash;
  PlayerMove(fx.g, 0, 12, false, false);  // 40 -> 0 -> 4: would pay the salary
  EXPECT_EQ(static_cast<int>(fx.ui.frames.size()), frames_at_quit);
  EXPECT_EQ(fx.P(0).Position, 40);
  EXPECT_EQ(fx.P(0).Cash, cash);
  EXPECT_FALSE(fx.g.Moving);
}

TEST(PlayerMove, WaitsWhilePausedThenWalksOn) {
  GameFixture fx;
  fx.LayOutTokens();
  fx.ui.animate = true;
  fx.Seat(0, 2);
  int waits = 0;
  fx.ui.on_process_events = [&] {
    if (fx.ui.frames.size() == 3 && waits == 0) fx.g.Paused = true;
    if (fx.g.Paused && ++waits == 4) fx.g.Paused = false;
  };
  PlayerMove(fx.g, 0, 3, false, false);
  EXPECT_EQ(waits, 4);
  EXPECT_EQ(fx.P(0).Position, 5);
  // The move sound comes back after the pause: looped, as the move goes on.
  int move_sounds = 0;
  for (Sound s : fx.ui.sounds) move_sounds += s == Sound::Move;
  EXPECT_EQ(move_sounds, 2);
}

TEST(GoToJail, JumpsToTheJailWithoutSalaryAndKeepsTheDestination) {
  GameFixture fx;
  fx.Seat(0, 36);
  fx.P(0).PassedGo = false;
  GoToJail(fx.g);
  EXPECT_EQ(fx.P(0).Position, 12);
  EXPECT_TRUE(fx.P(0).InJail);
  EXPECT_EQ(fx.g.CurSquare, 36);
  EXPECT_FALSE(fx.P(0).PassedGo);
  EXPECT_EQ(fx.P(0).Cash, 1500);
  EXPECT_EQ(fx.ui.tips, (std::vector<std::string>{"Ann is in the jail now."}));
}

}  // namespace
}  // namespace quorbis
