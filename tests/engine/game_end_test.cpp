// Stopping a game: QUIT and EXIT from the game menu at any moment of a turn,
// a winner, and work left over from a game that has been replaced.
#include <gtest/gtest.h>

#include <vector>

#include "engine/turn.h"
#include "engine/ui_calls.h"
#include "support/game_fixture.h"

namespace quorbis {
namespace {

using testing::GameFixture;
using testing::SeatSpec;

// Notes how deep in the engine the game was when it left the board.
class EndWatch {
 public:
  explicit EndWatch(GameFixture& fx) : fx_(fx) {
    fx.ui.on_event = [this](const GameEvent& e) {
      if (e.type == EventType::GameEnded) depth_at_end.push_back(fx_.g.TurnDepth);
      if (e.type == EventType::Throw) ++throws;
    };
  }
  std::vector<int> depth_at_end;
  int throws = 0;

 private:
  GameFixture& fx_;
};

struct QuitCase {
  const char* name;
  bool exit_program;
  bool during_computer_move;  // else while a person's throw button waits
};

TEST(QuitGame, LeavesTheBoardOnceAfterTheTurnHasUnwound) {
  const QuitCase cases[] = {
      {"QUIT while the computer moves", false, true},
      {"EXIT while the computer moves", true, true},
      {"QUIT while the person's throw waits", false, false},
      {"EXIT while the person's throw waits", true, false},
  };
  for (const QuitCase& c : cases) {
    SCOPED_TRACE(c.name);
    GameFixture fx({{"Ann", true}, {"Bob"}});
    EndWatch watch(fx);
    fx.LayOutTokens();
    fx.ui.animate = true;
    fx.Seat(0, 40);
    fx.NextThrows({12});
    bool quit = false;
    if (c.during_computer_move) {
      fx.ui.on_process_events = [&] {
        if (fx.ui.frames.size() == 10 && !quit) {
          quit = true;
          QuitGame(fx.g, c.exit_program);
        }
      };
    }
    MainLoop(fx.g);
    fx.Run();
    if (!c.during_computer_move) {
      ASSERT_TRUE(fx.ui.IsOpen(GameWindow::Dice));
      QuitGame(fx.g, c.exit_program);
      // A click on the closed window of the stopped game does nothing.
      DiceClick(fx.g);
      fx.Run();
    }
    EXPECT_EQ(fx.ui.returned_to_title, c.exit_program ? 0 : 1);
    EXPECT_EQ(fx.ui.main_window_closed, c.exit_program ? 1 : 0);
    EXPECT_EQ(watch.depth_at_end, std::vector<int>{0});
    EXPECT_EQ(watch.throws, 1);
    EXPECT_FALSE(fx.g.GameRunning);
    EXPECT_FALSE(fx.g.Rolling);
    for (int w = 0; w < kGameWindowCount; ++w) EXPECT_FALSE(fx.ui.open[w]) << "window " << w;
    if (c.during_computer_move) {
      // The move stopped where it was: no salary at GO, no arrival.
      EXPECT_EQ(fx.P(0).Position, 40);
      EXPECT_EQ(fx.P(0).Cash, 1500);
    }
  }
}

TEST(QuitGame, WorkPostedForTheOldGameIsDroppedInTheNext) {
  GameFixture fx({{"Ann", true}, {"Bob", true}, {"Cat"}});
  std::vector<int> throwers;
  fx.ui.on_event = [&](const GameEvent& e) {
    if (e.type == EventType::Throw) throwers.push_back(e.player);
  };
  MainLoop(fx.g);  // Ann's turn; Bob's is posted
  ASSERT_TRUE(fx.ui.HasPending());
  QuitGame(fx.g, false);
  EXPECT_EQ(fx.ui.returned_to_title, 1);
  StartNewGame(fx.g);  // Ann's turn again, then Bob's, then Cat waits
  fx.Run();
  EXPECT_EQ(throwers, (std::vector<int>{0, 0, 1}));
  EXPECT_TRUE(fx.ui.IsOpen(GameWindow::Dice));
  EXPECT_EQ(fx.g.CurPlayer, 2);
  EXPECT_EQ(fx.ui.returned_to_title, 1);
}

}  // namespace
}  // namespace quorbis
