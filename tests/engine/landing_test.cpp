// Landings settled by the rules (casino, tax, rent), the bank stopping a
// move, and debts carried into a turn, played through whole turns.
#include <gtest/gtest.h>

#include <vector>

#include "cards/casino.h"
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

// Lands the current player on the casino (23 + 6) with `cash`.
TEST(CasinoLanding, APersonNeedsTenDollarsAComputerAHundred) {
  struct Case {
    const char* name;
    bool robot;
    Dollars cash;
    bool plays;
  } cases[] = {
      {"a person with $9 walks past", false, 9, false},
      {"a person with $10 gets the casino", false, 10, true},
      {"a computer with $99 does not bet", true, 99, false},
      {"a computer with $101 bets", true, 101, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    GameFixture fx({{"Ann", c.robot, kNormal, c.cash}, {"Bob"}});
    EventLog events(fx.ui);
    int casino_windows = 0;
    fx.ui.on_modal = [&](GameWindow w) {
      if (w != GameWindow::Casino) return;
      ++casino_windows;
      CasinoCancel(fx.g);
    };
    fx.Seat(0, 23);
    fx.NextThrows({6});
    fx.Begin();
    if (!c.robot) DiceClick(fx.g);
    EXPECT_EQ(fx.g.CurSquare, 29);
    if (c.robot)
      EXPECT_EQ(events.Count(EventType::Bet), c.plays ? 1 : 0);
    else
      EXPECT_EQ(casino_windows, c.plays ? 1 : 0);
  }
}

TEST(TaxLanding, AComputerSellsFirstAPersonRaisesTheMoneyHimself) {
  // 100 in cash against the income tax of 200; Freedom Tower sells for 280.
  {
    SCOPED_TRACE("computer");
    GameFixture fx({{"Ann", true, kEasy, 100}, {"Bob"}});
    fx.Own(26, 0);
    fx.Seat(0, 0);
    fx.NextThrows({5});
    MainLoop(fx.g);
    EXPECT_EQ(fx.S(26).Owner, -1);
    EXPECT_EQ(fx.P(0).Cash, 180);
    EXPECT_FALSE(fx.P(0).Bankrupt);
    EXPECT_FALSE(fx.g.DebtPending);
  }
  {
    SCOPED_TRACE("person");
    GameFixture fx({{"Ann", false, kEasy, 100}, {"Bob", true}});
    fx.Own(26, 0);
    fx.Seat(0, 0);
    fx.NextThrows({5});
    fx.Begin();
    DiceClick(fx.g);
    EXPECT_EQ(fx.P(0).Cash, -100);
    EXPECT_TRUE(fx.g.DebtPending);
    EXPECT_TRUE(fx.ui.bankrupt_button);
    EXPECT_FALSE(fx.ui.IsOpen(GameWindow::Dice));
    EXPECT_TRUE(fx.ui.action_menu.sell);
    // He sells from the action bar, and "&Done" brings the end of his turn.
    OpenManageDialog(fx.g, kSell, false);
    ManageCardClick(fx.g, 26);
    ManageDone(fx.g);
    EXPECT_EQ(fx.P(0).Cash, 180);
    EXPECT_TRUE(fx.ui.IsOpen(GameWindow::Dice));
    EXPECT_EQ(fx.g.DiceMode, 1);
  }
}

TEST(RentLanding, ADebtHoldsTheTurnUntilTheMoneyIsRaised) {
  // Ann has 50 and lands on Bob's Empire State (rent 70); she owns square 2.
  GameFixture fx({{"Ann", false, kEasy, 50}, {"Bob", true}});
  fx.Own(28, 1);
  fx.Own(2, 0);
  fx.Seat(0, 23);
  fx.NextThrows({5});
  fx.Begin();
  fx.ui.UpdateActionMenu({});  // as the bar would look after another turn
  DiceClick(fx.g);
  ASSERT_TRUE(fx.ui.IsOpen(GameWindow::Property));
  PropertyClick(fx.g, kActPayRent);
  EXPECT_EQ(fx.P(0).Cash, -20);
  EXPECT_TRUE(fx.g.DebtPending);
  EXPECT_FALSE(fx.g.Rolling);
  EXPECT_FALSE(fx.ui.IsOpen(GameWindow::Dice));
  // The bar offers the way to raise it.
  EXPECT_TRUE(fx.ui.action_menu.mortgage);
  // The end-of-turn click cannot skip the debt.
  ShowDiceWindow(fx.g, 1);
  DiceClick(fx.g);
  EXPECT_EQ(fx.g.CurPlayer, 0);
  OpenManageDialog(fx.g, kMortgage, false);
  ManageCardClick(fx.g, 2);
  ManageDone(fx.g);
  EXPECT_EQ(fx.P(0).Cash, 20);
  EXPECT_FALSE(fx.g.DebtPending);
  DiceClick(fx.g);
  fx.Run();
  EXPECT_EQ(fx.g.CurPlayer, 0);  // Bob has played and handed back
  EXPECT_EQ(fx.g.DiceMode, 0);
}

// Bob owes a loan he cannot repay when the bank settles with him on the way:
// he goes bankrupt there and the game goes on between Ann and Cat.
struct BankruptAtTheBank : GameFixture {
  BankruptAtTheBank() : GameFixture({{"Ann"}, {"Bob", true, kEasy, 0}, {"Cat", true}}) {
    P(1).Loan = 1000;
    P(1).PassedGo = true;
  }
  EventLog events{ui};
};

TEST(BankAtTheWay, ABankruptcyThereEndsTheMoveWithoutALanding) {
  BankruptAtTheBank fx;
  fx.Seat(1, 10);
  fx.NextThrows({12});  // 10 -> 12 -> 21 (bank) -> 22, an unowned square
  MainLoop(fx.g);
  EXPECT_TRUE(fx.P(1).Bankrupt);
  EXPECT_EQ(fx.P(1).Position, 22);
  EXPECT_EQ(fx.events.Count(EventType::Land, 1), 0);
  for (const HeadlessFrontEnd::Opened& o : fx.ui.opened)
    EXPECT_NE(o.window, GameWindow::Property) << "a landing was dispatched";
  fx.Run();
  EXPECT_EQ(fx.g.GameOver, 0);
  EXPECT_EQ(fx.events.Count(EventType::Throw, 2), 1);  // Cat played next
  EXPECT_EQ(fx.g.CurPlayer, 0);
  EXPECT_TRUE(fx.ui.IsOpen(GameWindow::Dice));
}

TEST(BankAtTheWay, ABankruptcyThereForfeitsTheSalaryFurtherOn) {
  BankruptAtTheBank fx;
  fx.Seat(1, 17);
  // A card's move from 17 to GO passes the bank, then GO.
  LuckRobotLoop(fx.g, 31, false);
  EXPECT_TRUE(fx.P(1).Bankrupt);
  EXPECT_EQ(fx.P(1).Position, 0);
  EXPECT_EQ(fx.P(1).Cash, 0);
  EXPECT_EQ(fx.events.Count(EventType::Salary), 0);
  EXPECT_EQ(fx.events.Count(EventType::Land, 1), 0);
}

TEST(TurnStart, AShortfallFromAnotherTurnIsSettledBeforeTheThrow) {
  struct Case {
    const char* name;
    bool robot;
    bool owns_a_square;  // square 26: sells for 280, mortgages for 200
    bool waits_for_the_person;
    bool bankrupt;
  } cases[] = {
      {"a person who can raise it", false, true, true, false},
      {"a person who cannot", false, false, false, true},
      {"a computer who can", true, true, false, false},
      {"a computer who cannot", true, false, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    GameFixture fx({{"Ann", c.robot, kEasy, -30}, {"Bob"}, {"Cat", true}});
    EventLog events(fx.ui);
    if (c.owns_a_square) fx.Own(26, 0);
    fx.g.ShortfallAtTurnStart[0] = true;
    fx.Begin();
    EXPECT_FALSE(fx.g.ShortfallAtTurnStart[0]);
    EXPECT_EQ(fx.P(0).Bankrupt, c.bankrupt);
    EXPECT_EQ(fx.g.DebtPending, c.waits_for_the_person);
    if (c.waits_for_the_person) {
      EXPECT_TRUE(fx.ui.bankrupt_button);
      EXPECT_TRUE(fx.ui.action_menu.mortgage);
      EXPECT_FALSE(fx.ui.IsOpen(GameWindow::Dice));
      EXPECT_EQ(events.Count(EventType::Throw), 0);
      // Raising it starts the turn he was owed.
      OpenManageDialog(fx.g, kMortgage, false);
      ManageCardClick(fx.g, 26);
      ManageDone(fx.g);
      EXPECT_EQ(fx.P(0).Cash, 170);
      EXPECT_EQ(fx.g.CurPlayer, 0);
      EXPECT_TRUE(fx.ui.IsOpen(GameWindow::Dice));
      EXPECT_EQ(fx.g.DiceMode, 0);
    } else if (c.bankrupt) {
      // The turn passes on to Bob, a person, who can throw.
      EXPECT_EQ(fx.g.CurPlayer, 1);
      EXPECT_TRUE(fx.ui.IsOpen(GameWindow::Dice));
    } else {
      EXPECT_GE(fx.P(0).Cash, 0);
      EXPECT_EQ(events.Count(EventType::Throw, 0), 1);
    }
  }
}

}  // namespace
}  // namespace quorbis
