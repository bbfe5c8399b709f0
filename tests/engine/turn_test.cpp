#include "engine/turn.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "engine/ui_calls.h"
#include "support/event_log.h"
#include "support/game_fixture.h"

namespace quorbis {
namespace {

using testing::EventLog;
using testing::GameFixture;
using testing::SeatSpec;

TEST(RollDice, TotalsFollowTheTwoUnevenDice) {
  // Each die shows 1 and 6 half as often as 2..5, so the totals 2..12 come
  // with these chances.
  const double expected[13] = {0,    0,    0.01, 0.04, 0.08, 0.12, 0.16,
                               0.18, 0.16, 0.12, 0.08, 0.04, 0.01};
  GameFixture fx;
  std::array<int, 13> seen{};
  const int throws = 200000;
  for (int i = 0; i < throws; ++i) {
    const int t = RollDice(fx.g);
    ASSERT_GE(t, 2);
    ASSERT_LE(t, 12);
    seen[t] += 1;
  }
  for (int t = 2; t <= 12; ++t)
    EXPECT_NEAR(static_cast<double>(seen[t]) / throws, expected[t], 0.004) << "total " << t;
  // The pause between the dice lets the window events through.
  EXPECT_EQ(fx.ui.clock_ms, 50LL * throws);
}

TEST(PlayerTurn, PassesToTheNextPlayerStillInTheGame) {
  struct Case {
    const char* name;
    int players;
    std::vector<int> bankrupt;
    int from;
    int to;
  } cases[] = {
      {"next in order", 4, {}, 1, 2},
      {"wraps after the last", 4, {}, 3, 0},
      {"skips a bankrupt player 0 after wrapping", 4, {0}, 3, 1},
      {"skips two in a row", 4, {2, 3}, 1, 0},
      {"comes back to the only one left", 3, {1, 2}, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    GameFixture fx(c.players == 4 ? std::initializer_list<SeatSpec>{{"A"}, {"B"}, {"C"}, {"D"}}
                                  : std::initializer_list<SeatSpec>{{"A"}, {"B"}, {"C"}});
    for (int b : c.bankrupt) fx.P(b).Bankrupt = true;
    fx.g.CurPlayer = c.from;
    PlayerTurn(fx.g);
    EXPECT_EQ(fx.g.CurPlayer, c.to);
  }
}

TEST(PersonTurn, ThrowMoveEndOfTurnThenTheComputerPlaysAndHandsBack) {
  GameFixture fx;  // Ann (person), Bob (computer)
  EventLog log(fx.ui);
  fx.Seat(0, 40);
  fx.NextThrows({8});
  fx.Begin();
  ASSERT_TRUE(fx.ui.IsOpen(GameWindow::Dice));
  EXPECT_EQ(fx.g.DiceMode, 0);

  DiceClick(fx.g);  // throw: 40 + 8 lands on GO
  EXPECT_EQ(fx.P(0).Position, 0);
  EXPECT_EQ(fx.P(0).Cash, 1700);
  EXPECT_FALSE(fx.g.Rolling);
  ASSERT_TRUE(fx.ui.IsOpen(GameWindow::Dice));
  EXPECT_EQ(fx.g.DiceMode, 1);
  EXPECT_EQ(fx.ui.dice_shown, 8);
  EXPECT_EQ(fx.ui.history.back(), "Ann moved to GO");

  DiceClick(fx.g);  // end of turn: Bob's whole turn, then Ann's throw again
  fx.Run();
  EXPECT_EQ(log.Count(EventType::Throw, 1), 1);
  EXPECT_EQ(fx.g.CurPlayer, 0);
  ASSERT_TRUE(fx.ui.IsOpen(GameWindow::Dice));
  EXPECT_EQ(fx.g.DiceMode, 0);
  EXPECT_FALSE(fx.g.Rolling);
}

TEST(PersonTurn, ASecondClickDuringTheThrowDoesNothing) {
  GameFixture fx;
  EventLog log(fx.ui);
  fx.Seat(0, 0);
  fx.NextThrows({4});
  fx.Begin();
  int tries = 0;
  fx.ui.on_process_events = [&] {
    if (!fx.g.Rolling || tries > 0) return;
    ++tries;
    DiceClick(fx.g);
    UserDice(fx.g);
  };
  DiceClick(fx.g);
  EXPECT_EQ(tries, 1);
  EXPECT_EQ(log.Count(EventType::Throw), 1);
  EXPECT_EQ(fx.P(0).Position, 4);
}

TEST(PersonTurn, LandingOnOwnSquareOffersOnlyTheEndOfTurn) {
  GameFixture fx;
  fx.Own(2, 0);
  fx.Seat(0, 0);
  fx.NextThrows({2});
  fx.Begin();
  DiceClick(fx.g);
  EXPECT_FALSE(fx.ui.IsOpen(GameWindow::Property));
  EXPECT_TRUE(fx.ui.IsOpen(GameWindow::Dice));
  EXPECT_EQ(fx.g.DiceMode, 1);
}

TEST(PersonTurn, LandingOnAnotherPropertyWaitsInTheDialog) {
  GameFixture fx;
  fx.Own(6, 1);
  fx.Seat(0, 0);
  fx.NextThrows({6});
  fx.Begin();
  DiceClick(fx.g);
  EXPECT_TRUE(fx.ui.IsOpen(GameWindow::Property));
  EXPECT_FALSE(fx.ui.IsOpen(GameWindow::Dice));
  EXPECT_EQ(fx.ui.opened.back().mode, WindowMode::Modeless);
  // The throw stays under way until the dialog's choice settles it.
  EXPECT_TRUE(fx.g.Rolling);
  EXPECT_FALSE(fx.ui.HasPending());
}

TEST(PersonTurn, GoIntoJailSendsTheTokenToJail) {
  GameFixture fx;
  fx.Seat(0, 30);
  fx.NextThrows({6});
  fx.Begin();
  DiceClick(fx.g);
  EXPECT_TRUE(fx.P(0).InJail);
  EXPECT_EQ(fx.P(0).Position, 12);
  EXPECT_EQ(fx.g.CurSquare, 36);
  EXPECT_TRUE(fx.ui.IsOpen(GameWindow::Dice));
  EXPECT_EQ(fx.g.DiceMode, 1);
}

TEST(ComputerTurn, ShowsThePropertyCardForAWhileThenDecides) {
  GameFixture fx({{"Ann"}, {"Bob", true}});
  fx.Seat(1, 0);
  fx.NextThrows({6});
  const int64_t start = fx.ui.clock_ms;
  MainLoop(fx.g);
  ASSERT_FALSE(fx.ui.opened.empty());
  EXPECT_EQ(fx.ui.opened.front().window, GameWindow::Property);
  EXPECT_EQ(fx.ui.opened.front().mode, WindowMode::Modeless);
  EXPECT_FALSE(fx.ui.IsOpen(GameWindow::Property));
  EXPECT_GE(fx.ui.clock_ms - start, 2500);
  EXPECT_FALSE(fx.g.Rolling);
  EXPECT_EQ(fx.g.CurPlayer, 0);
}

TEST(ComputerTurn, TheNextTurnIsPostedNotNested) {
  GameFixture fx({{"Ann", true}, {"Bob", true}, {"Cat"}});
  EventLog log(fx.ui);
  fx.Seat(0, 0);
  MainLoop(fx.g);
  // Ann's turn is over; Bob's waits in the queue, not on the stack.
  EXPECT_EQ(log.Count(EventType::Throw), 1);
  EXPECT_EQ(fx.g.CurPlayer, 1);
  EXPECT_TRUE(fx.ui.HasPending());
  EXPECT_EQ(fx.ui.RunUntilIdle(1), 1);
  EXPECT_EQ(log.Count(EventType::Throw, 1), 1);
  fx.Run();
  EXPECT_EQ(fx.g.CurPlayer, 2);
  EXPECT_TRUE(fx.ui.IsOpen(GameWindow::Dice));
}

TEST(PersonTurn, TheEndOfTurnClickWaitsForWhatTheTurnStillOwes) {
  struct Case {
    const char* name;
    bool debt_open;
    bool card_window_open;
  } cases[] = {
      {"a debt to raise", true, false},
      {"a card window whose OK carries the turn on", false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    GameFixture fx({{"Ann"}, {"Bob"}});
    fx.g.DebtPending = c.debt_open;
    if (c.card_window_open) OpenWindow(fx.g, GameWindow::Card, WindowMode::Modeless);
    ShowDiceWindow(fx.g, 1);
    DiceClick(fx.g);
    EXPECT_EQ(fx.g.CurPlayer, 0);
    EXPECT_TRUE(fx.ui.IsOpen(GameWindow::Dice));
  }
}

TEST(MainLoop, ABankruptPlayerInTheSeatPassesItOn) {
  GameFixture fx({{"Ann"}, {"Bob"}, {"Cat"}});
  fx.P(0).Bankrupt = true;
  fx.Begin();
  EXPECT_EQ(fx.g.CurPlayer, 1);
  EXPECT_TRUE(fx.ui.IsOpen(GameWindow::Dice));
}

TEST(ActionMenu, ShowsWhatThePersonsSquaresAllow) {
  struct Case {
    const char* name;
    bool robot;
    std::vector<int> owned;
    std::vector<int> mortgaged;
    bool can_upgrade;
    ActionMenuState expected;
  } cases[] = {
      {"nothing owned", false, {}, {}, false, {}},
      {"one square", false, {2}, {}, false, {false, true, true, false}},
      {"only mortgaged", false, {2}, {2}, false, {false, false, false, true}},
      {"both states", false, {2, 4}, {4}, false, {false, true, true, true}},
      {"a whole group", false, {2, 4, 6}, {}, true, {true, true, true, false}},
      {"a computer player never", true, {2, 4, 6}, {4}, true, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    GameFixture fx({{"Ann", c.robot}, {"Bob"}});
    for (int s : c.owned) fx.Own(s, 0);
    for (int s : c.mortgaged) SetMortgaged(fx.g, s, true);
    if (c.can_upgrade)
      for (int s : c.owned) fx.S(s).CanUpgrade = true;
    UpdateActionMenu(fx.g);
    EXPECT_EQ(fx.ui.action_menu, c.expected);
  }
}

TEST(StartNewGame, ShowsTheBoardGreetsAndStartsTheFirstTurn) {
  GameFixture fx({{"Ann"}, {"Bob", true}});
  fx.g.GameOver = 1;  // the last game ended
  fx.g.Rolling = true;
  OpenWindow(fx.g, GameWindow::Jail, WindowMode::Modeless);
  StartNewGame(fx.g);
  EXPECT_EQ(fx.ui.tips, (std::vector<std::string>{"Welcome to New York!", "Ann starts first."}));
  EXPECT_EQ(fx.ui.game_screens_shown, 1);
  EXPECT_EQ(fx.ui.back_music_started, 1);
  EXPECT_FALSE(fx.ui.IsOpen(GameWindow::Jail));
  EXPECT_EQ(fx.g.GameOver, 0);
  EXPECT_TRUE(fx.g.GameRunning);
  EXPECT_TRUE(fx.ui.IsOpen(GameWindow::Dice));
  EXPECT_EQ(fx.g.DiceMode, 0);
  EXPECT_EQ(fx.ui.returned_to_title, 0);
}

}  // namespace
}  // namespace quorbis
