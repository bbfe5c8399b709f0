// Jail: a person's buttons and what each click leads to, bail with too
// little cash, and the computer players' decisions by level.
#include <gtest/gtest.h>

#include "cards/card_test_support.h"
#include "cards/jail.h"
#include "economy/manage.h"
#include "engine/ui_calls.h"
#include "support/game_fixture.h"

namespace quorbis::testing {
namespace {

void Jail(GameFixture& f, int player, int turns_stayed, int cards) {
  Player& p = f.P(player);
  p.InJail = true;
  p.Position = 12;
  p.JailTurns = static_cast<int16_t>(turns_stayed);
  p.JailCards = static_cast<int16_t>(cards);
  f.g.CurPlayer = player;
}

TEST(Jail, APersonsButtonsFollowTheStaysAndTheCards) {
  struct Case {
    int turns;
    int cards;
    bool stay_enabled;
    bool card_offered;
  };
  const Case cases[] = {
      {0, 0, true, false},
      {1, 1, true, true},
      {2, 0, false, false},
      {2, 2, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.turns) + " stays, " + std::to_string(c.cards) + " cards");
    GameFixture f;
    Jail(f, 0, c.turns, c.cards);
    OpenJailWindow(f.g);
    ASSERT_TRUE(f.ui.IsOpen(GameWindow::Jail));
    const JailWindowView v = JailWindowFor(f.g);
    EXPECT_EQ(v.name, "Ann");
    // Bail is always offered, whatever the cash.
    EXPECT_TRUE(v.buttons[kPostBail].visible && v.buttons[kPostBail].enabled);
    EXPECT_TRUE(v.buttons[kStayInJail].visible);
    EXPECT_EQ(v.buttons[kStayInJail].enabled, c.stay_enabled);
    EXPECT_EQ(v.buttons[kUseCard].visible, c.card_offered);
  }
}

TEST(Jail, APersonCannotStayAThirdTime) {
  GameFixture f;
  Jail(f, 0, 2, 0);
  OpenJailWindow(f.g);
  JailClick(f.g, kStayInJail);
  EXPECT_TRUE(f.g.JailDialogOpen);
  EXPECT_EQ(f.P(0).JailTurns, 2);
  EXPECT_EQ(f.g.CurPlayer, 0);
  // Nor use a card he does not hold.
  JailClick(f.g, kUseCard);
  EXPECT_TRUE(f.g.JailDialogOpen);
  EXPECT_TRUE(f.P(0).InJail);
}

TEST(Jail, StayingPassesTheTurn) {
  GameFixture f({{"Ann"}, {"Bob"}});
  Jail(f, 0, 1, 0);
  OpenJailWindow(f.g);
  JailClick(f.g, kStayInJail);
  EXPECT_FALSE(f.g.JailDialogOpen);
  EXPECT_TRUE(f.P(0).InJail);
  EXPECT_EQ(f.P(0).JailTurns, 2);
  EXPECT_TRUE(
      Contains(f.ui.tips, "Ann did not roll doubles and will stay in Jail for another turn"));
  // Bob's turn has begun with his throw.
  EXPECT_EQ(f.g.CurPlayer, 1);
  EXPECT_TRUE(f.g.DiceDialogOpen);
  EXPECT_EQ(f.g.DiceMode, 0);
}

TEST(Jail, ACardOrBailReleasesThePlayerForHisThrow) {
  struct Case {
    int button;
    int cards;
    Dollars cash_after;
    int cards_after;
    const char* tip;
  };
  const Case cases[] = {
      {kUseCard, 2, 1500, 1, "Ann used a card to leave Jail for free"},
      {kPostBail, 1, 1450, 1, "Ann Posted bail of $50"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tip);
    GameFixture f({{"Ann"}, {"Bob"}});
    Jail(f, 0, 1, c.cards);
    OpenJailWindow(f.g);
    JailClick(f.g, c.button);
    const Player& ann = f.P(0);
    EXPECT_FALSE(ann.InJail);
    EXPECT_EQ(ann.JailTurns, 0);
    EXPECT_EQ(ann.JailCards, c.cards_after);
    EXPECT_EQ(ann.Cash, c.cash_after);
    EXPECT_TRUE(Contains(f.ui.tips, c.tip));
    // The same player now throws.
    EXPECT_EQ(f.g.CurPlayer, 0);
    EXPECT_TRUE(f.g.DiceDialogOpen);
    EXPECT_EQ(f.g.DiceMode, 0);
  }
}

// Bail with $30 and no deposit: the asset dialog must raise the rest, and
// its "Done" then starts the released player's throw.
TEST(Jail, BailWithoutTheCashContinuesAfterTheAssetDialog) {
  GameFixture f({{"Ann", false, kEasy, 30}, {"Bob"}});
  f.Own(44, 0);
  Jail(f, 0, 0, 0);
  OpenJailWindow(f.g);
  JailClick(f.g, kPostBail);

  EXPECT_TRUE(f.g.DebtPending);
  EXPECT_EQ(f.g.ResumeAfterManage, 8);
  EXPECT_EQ(f.P(0).Cash, -20);
  EXPECT_FALSE(f.P(0).InJail);
  EXPECT_FALSE(f.g.DiceDialogOpen);  // the turn waits for the debt

  OpenManageDialog(f.g, kMortgage, false);
  ManageCardClick(f.g, 44);
  ManageDone(f.g);
  EXPECT_FALSE(f.g.DebtPending);
  EXPECT_EQ(f.g.CurPlayer, 0);
  EXPECT_TRUE(f.g.DiceDialogOpen);
  EXPECT_EQ(f.g.DiceMode, 0);
}

struct RobotCase {
  const char* name;
  int level;
  Dollars cash;
  int cards;
  int turns;
  bool crowded;  // 30 squares have owners
  JailDecision decision;
  bool card_announced;
};

// A computer player's turn in jail, decided as its window opens.
TEST(Jail, ComputerPlayersDecideByLevel) {
  using enum JailDecision;
  const RobotCase cases[] = {
      {"Easy with a card leaves silently", kEasy, 50, 1, 0, false, UseCard, false},
      {"Easy with 100 bails", kEasy, 100, 0, 0, false, PostBail, false},
      {"Easy with 99 stays", kEasy, 99, 0, 0, false, Stay, false},
      {"Easy leaves with a card even on a crowded board", kEasy, 50, 1, 1, true, UseCard, false},
      {"Normal with 100 bails", kNormal, 100, 0, 0, false, PostBail, false},
      {"Normal with 100 and a card uses it", kNormal, 100, 1, 0, false, UseCard, true},
      {"Normal stays once 30 squares are owned", kNormal, 1000, 1, 0, true, Stay, false},
      {"Hard stays once 30 squares are owned", kHard, 1000, 0, 1, true, Stay, false},
      {"Hard with 99 stays", kHard, 99, 1, 0, false, Stay, false},
      {"Normal with 99 must bail on the third turn", kNormal, 99, 0, 2, false, PostBail, false},
      {"Hard on the third turn uses a card", kHard, 1000, 1, 2, true, UseCard, true},
      {"Easy on the third turn announces its card", kEasy, 10, 1, 2, false, UseCard, true},
  };
  for (const RobotCase& c : cases) {
    SCOPED_TRACE(c.name);
    GameFixture f({{"Ann"}, {"Bob", true, c.level, c.cash}, {"Cid", true}});
    if (c.crowded) {
      int owned = 0;
      for (int s = 1; s < kSquareCount && owned < 30; ++s) {
        if (f.S(s).Kind != kProperty) continue;
        f.Own(s, owned % 2 == 0 ? 0 : 2);
        ++owned;
      }
    }
    Jail(f, 1, c.turns, c.cards);
    EXPECT_EQ(RobotJailDecision(f.g, 1), c.decision);

    OpenJailWindow(f.g);

    const Player& bob = f.P(1);
    EXPECT_FALSE(f.g.JailDialogOpen);  // the window closed itself
    EXPECT_EQ(f.g.JailTurnOver, c.decision == Stay);
    EXPECT_EQ(bob.InJail, c.decision == Stay);
    EXPECT_EQ(bob.JailTurns, c.decision == Stay ? c.turns + 1 : 0);
    EXPECT_EQ(bob.JailCards, c.cards - (c.decision == UseCard ? 1 : 0));
    EXPECT_EQ(bob.Cash, c.cash - (c.decision == PostBail ? kBail : 0));
    EXPECT_EQ(Contains(f.ui.tips, "Bob used a card to leave Jail for free"), c.card_announced);
    EXPECT_EQ(Contains(f.ui.tips, "Bob Posted bail of $50"), c.decision == PostBail);
    EXPECT_EQ(
        Contains(f.ui.tips, "Bob did not roll doubles and will stay in Jail for another turn"),
        c.decision == Stay);
  }
}

TEST(Jail, AComputerPlayerBankruptByBailEndsItsTurn) {
  GameFixture f({{"Ann"}, {"Bob", true, kNormal, 10}, {"Cid", true}});
  Jail(f, 1, 2, 0);
  OpenJailWindow(f.g);
  EXPECT_TRUE(f.P(1).Bankrupt);
  EXPECT_TRUE(f.g.JailTurnOver);
  EXPECT_FALSE(f.g.JailDialogOpen);
  EXPECT_FALSE(Contains(f.ui.tips, "Bob Posted bail of $50"));
}

}  // namespace
}  // namespace quorbis::testing
