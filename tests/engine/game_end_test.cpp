// Stopping a game: QUIT and EXIT from the game menu at any moment of a turn,
// a winner, and work left over from a game that has been replaced.
#include <gtest/gtest.h>

#include <vector>

#include "cards/cards.h"
#include "economy/manage.h"
#include "engine/property_dialog.h"
#include "engine/turn.h"
#include "engine/ui_calls.h"
#include "support/event_log.h"
#include "support/game_fixture.h"

namespace quorbis {
namespace {

using testing::EventLog;
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

TEST(GameEnd, TheLastBankruptcyLeavesTheBoardOnce) {
  struct Case {
    const char* name;
    bool loser_is_robot;
  } cases[] = {
      {"the person cannot pay the computer's rent", false},
      {"the computer cannot pay the person's rent", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // The loser (player 0) has 50 and lands on the winner's Empire State.
    GameFixture fx({{"Ann", c.loser_is_robot, kEasy, 50}, {"Bob", !c.loser_is_robot}});
    EndWatch watch(fx);
    fx.Own(28, 1);
    fx.Seat(0, 23);
    fx.NextThrows({5});
    fx.Begin();
    if (!c.loser_is_robot) {
      DiceClick(fx.g);
      PropertyClick(fx.g, kActPayRent);
    }
    fx.Run();
    EXPECT_TRUE(fx.P(0).Bankrupt);
    EXPECT_EQ(fx.ui.winner, 1);
    EXPECT_EQ(fx.ui.tips.back(), "Congratulations Bob! You are the Quorbis of New York.");
    EXPECT_EQ(fx.ui.returned_to_title, 1);
    EXPECT_EQ(watch.depth_at_end, std::vector<int>{0});
    EXPECT_EQ(watch.throws, 1);
    for (int w = 0; w < kGameWindowCount; ++w) EXPECT_FALSE(fx.ui.open[w]) << "window " << w;
  }
}

// Ann, Bob (a computer) and Cat: Ann gives up in the middle of her turn; the
// game goes on with Bob's turn and then Cat's throw.
struct GivingUp : GameFixture {
  GivingUp() : GameFixture({{"Ann", false, kEasy, 100}, {"Bob", true}, {"Cat"}}), log(ui) {}
  // Bob has played and Cat's throw works.
  void ExpectTheGameGoesOn() {
    EXPECT_TRUE(P(0).Bankrupt);
    EXPECT_FALSE(g.DebtPending);
    EXPECT_FALSE(ui.bankrupt_button);
    Run();
    EXPECT_EQ(log.Count(EventType::Throw, 1), 1);
    ASSERT_EQ(g.CurPlayer, 2);
    ASSERT_TRUE(ui.IsOpen(GameWindow::Dice));
    EXPECT_EQ(g.DiceMode, 0);
    DiceClick(g);
    EXPECT_EQ(log.Count(EventType::Throw, 2), 1);
  }
  EventLog log;
};

TEST(GivingUp, AfterACardDebtTheNextPlayersCanStillThrow) {
  GivingUp fx;
  fx.Own(44, 0);  // enough to raise the school tax, if she wanted to
  for (int i = 0; i < kDeckSize; ++i) fx.g.LuckCards[i].Used = i != 3;  // school tax 150
  fx.Seat(0, 0);
  fx.NextThrows({3});
  fx.Begin();
  DiceClick(fx.g);  // lands on LUCK
  fx.Run();         // the card is played: 100 - 150
  ASSERT_TRUE(fx.g.DebtPending);
  ASSERT_TRUE(fx.ui.IsOpen(GameWindow::Card));
  EXPECT_FALSE(CardOkEnabled(fx.g));
  ASSERT_TRUE(fx.ui.bankrupt_button);

  BankruptClick(fx.g);
  EXPECT_FALSE(fx.ui.IsOpen(GameWindow::Card));
  EXPECT_EQ(fx.S(44).Owner, -1);
  EXPECT_EQ(fx.S(44).OwnerName.Trimmed(), "Bank");
  fx.ExpectTheGameGoesOn();
}

TEST(GivingUp, ARentSheCannotRaiseAtAllPassesTheTurnAtOnce) {
  GivingUp fx;
  fx.Own(28, 1);  // rent 70, and she owns nothing
  fx.P(0).Cash = 50;
  fx.Seat(0, 23);
  fx.NextThrows({5});
  fx.Begin();
  DiceClick(fx.g);
  PropertyClick(fx.g, kActPayRent);
  fx.ExpectTheGameGoesOn();
}

TEST(GivingUp, InTheBanksRepaymentDialogTheMoveEndsAndTheTurnPassesOnce) {
  GivingUp fx;
  fx.Own(26, 0);  // sells for 280: enough to be offered the dialog
  fx.P(0).Cash = 0;
  fx.P(0).Loan = 100;  // 115 due at the bank
  fx.P(0).PassedGo = true;
  int dialogs = 0;
  fx.ui.on_modal = [&](GameWindow w) {
    if (w != GameWindow::Manage) return;
    ++dialogs;
    BankruptClick(fx.g);
  };
  fx.Seat(0, 10);
  fx.NextThrows({12});  // passes the bank on the way to 22
  fx.Begin();
  DiceClick(fx.g);
  EXPECT_EQ(dialogs, 1);
  EXPECT_EQ(fx.ui.stuck_modals, 0);
  EXPECT_FALSE(fx.ui.IsOpen(GameWindow::Property));
  EXPECT_FALSE(fx.ui.IsOpen(GameWindow::Bank));
  fx.ExpectTheGameGoesOn();
}

TEST(GivingUp, IsRefusedWithoutAnOpenDebt) {
  GivingUp fx;
  fx.Begin();
  BankruptClick(fx.g);
  EXPECT_FALSE(fx.P(0).Bankrupt);
  EXPECT_TRUE(fx.ui.IsOpen(GameWindow::Dice));
  EXPECT_EQ(fx.g.CurPlayer, 0);
}

}  // namespace
}  // namespace quorbis
