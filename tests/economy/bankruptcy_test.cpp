#include "economy/bankruptcy.h"

#include <gtest/gtest.h>

#include <vector>

#include "economy/disposal.h"
#include "economy/economy_fixture.h"
#include "economy/transactions.h"
#include "engine/ui_calls.h"

namespace quorbis {
namespace {

using testing::Buy;
using testing::Contains;
using testing::Count;
using testing::GameFixture;
using testing::Stand;

// Ann holds Green 2 and a mortgaged 4; three people play, so one bankruptcy
// does not end the game.
struct Bankruptcy : ::testing::Test {
  GameFixture f{{{"Ann"}, {"Bob"}, {"Cid"}}};
  void SetUp() override {
    Buy(f, 0, 2);
    Buy(f, 0, 4);
    Stand(f, 0, 4);
    DisposeAsset(f.g, 4, kMortgage);
    Buy(f, 1, 6);
    f.ui.ClearRecords();
    f.g.CurPlayer = 0;
  }
};

TEST_F(Bankruptcy, ToACreditorHandsOverTheSquaresAsTheyStand) {
  const Dollars bob_tav = f.P(1).TAV;
  DeclareBankrupt(f.g, 1, DebtCause::Rent);
  for (int s : {2, 4}) {
    EXPECT_EQ(f.S(s).Owner, 1) << s;
    EXPECT_EQ(f.S(s).Color, f.P(1).Color) << s;
    EXPECT_EQ(f.S(s).OwnerName.Trimmed(), "Bob") << s;
  }
  EXPECT_TRUE(f.S(4).Mortgaged);
  EXPECT_EQ(f.P(1).AssetCount, 3);
  // Only the unmortgaged square enters the heir's TAV.
  EXPECT_EQ(f.P(1).TAV, bob_tav + 80);
  EXPECT_TRUE(f.P(0).Bankrupt);
  EXPECT_EQ(f.P(0).TAV, 0);
  EXPECT_EQ(f.P(0).AssetCount, 0);
  EXPECT_EQ(f.P(0).Cash, 0);
  EXPECT_EQ(f.P(0).Worth, 0);
  EXPECT_TRUE(Contains(
      f.ui.tips, "Ann went Bankrupt and left the game. Bob received all of Ann's properties."));
  EXPECT_TRUE(Contains(f.ui.tips, "Sorry Ann, You are bankrupted!"));
  EXPECT_EQ(Count(f.ui.sounds, Sound::Bankrupt), 1);
  EXPECT_EQ(f.g.GameOver, 0);
}

TEST_F(Bankruptcy, ToTheBankFreesTheSquaresUnmortgaged) {
  // -1, the bankrupt himself, a player already out and an index out of range
  // all mean the bank.
  for (int creditor : {-1, 0, 2, 7}) {
    GameFixture g2{{{"Ann"}, {"Bob"}, {"Cid"}, {"Dan"}}};
    Buy(g2, 0, 2);
    Buy(g2, 0, 4);
    Stand(g2, 0, 4);
    DisposeAsset(g2.g, 4, kMortgage);
    g2.P(2).Bankrupt = true;
    g2.ui.ClearRecords();
    g2.g.CurPlayer = 0;
    DeclareBankrupt(g2.g, creditor, DebtCause::Tax);
    for (int s : {2, 4}) {
      EXPECT_EQ(g2.S(s).Owner, -1) << creditor;
      EXPECT_EQ(g2.S(s).Color, kUnownedColor) << creditor;
      EXPECT_EQ(g2.S(s).OwnerName.Trimmed(), "Bank") << creditor;
      EXPECT_FALSE(g2.S(s).Mortgaged) << creditor;
    }
    EXPECT_EQ(g2.S(2).Price, 80) << "the price stays";
    EXPECT_EQ(g2.P(0).AssetCount, 0) << creditor;
    EXPECT_EQ(g2.ui.tips.size(), 1u) << "only the bankrupted tip: " << creditor;
  }
}

TEST_F(Bankruptcy, ClearsTheDebtAndAnyContinuationLeftFromIt) {
  f.g.DebtPending = true;
  f.g.ResumeAfterManage = 8;
  f.ui.bankrupt_button = true;
  DeclareBankrupt(f.g, -1, DebtCause::Bail);
  EXPECT_FALSE(f.g.DebtPending);
  EXPECT_EQ(f.g.ResumeAfterManage, -1);
  EXPECT_FALSE(f.ui.bankrupt_button);
}

TEST_F(Bankruptcy, GivingUpPaysTheCreditorOfTheDebtWhereverHeStandsNow) {
  Buy(f, 2, 11);
  Stand(f, 0, 11);
  f.P(0).Cash = 10;
  PayRent(f.g);
  ASSERT_TRUE(f.g.DebtPending);
  // By the time he gives up, the square under him is someone else's.
  Stand(f, 0, 6);
  DeclareBankruptForOpenDebt(f.g);
  EXPECT_EQ(f.S(2).Owner, 2);
  EXPECT_EQ(f.S(4).Owner, 2);
}

TEST_F(Bankruptcy, WithNoSquaresOnlyTheBankruptTipIsShown) {
  GameFixture g2{{{"Ann"}, {"Bob"}, {"Cid"}}};
  g2.g.CurPlayer = 0;
  DeclareBankrupt(g2.g, 1, DebtCause::Rent);
  EXPECT_EQ(g2.ui.tips, std::vector<std::string>{"Sorry Ann, You are bankrupted!"});
}

TEST(Ranking, EqualWorthsShareTheBetterPlace) {
  struct Case {
    std::vector<Dollars> worths;  // as cash; a negative entry below -1e6 marks a bankrupt
    std::vector<int> ranks;
  } cases[] = {
      {{500, 500, 300}, {1, 1, 3}},
      {{100, 200, 300, 400}, {4, 3, 2, 1}},
      {{700, 700, 700, 700}, {1, 1, 1, 1}},
      {{-50, -2000000, 10}, {3, 2, 1}},  // the bankrupt counts with worth 0
  };
  for (const Case& c : cases) {
    GameFixture f({{"A"}, {"B"}, {"C"}, {"D"}});
    f.g.PlayerCount = static_cast<int>(c.worths.size());
    for (size_t i = 0; i < c.worths.size(); ++i) {
      if (c.worths[i] < -1000000) {
        f.P(i).Bankrupt = true;
        f.P(i).Worth = 0;
      } else {
        f.P(i).Cash = c.worths[i];
      }
    }
    UpdateRanking(f.g);
    for (size_t i = 0; i < c.ranks.size(); ++i)
      EXPECT_EQ(f.P(i).Ranking, c.ranks[i]) << "player " << i;
  }
}

TEST(Ranking, WorthIsCashAssetsAndDepositLessLoan) {
  GameFixture f;
  Buy(f, 0, 6);
  f.P(0).Deposit = 300;
  f.P(0).Loan = 120;
  UpdateRanking(f.g);
  EXPECT_EQ(f.P(0).Worth, 1400 + 100 + 300 - 120);
}

TEST(Winner, IsRankedFirstOrElseTheRichestRemaining) {
  struct Case {
    const char* name;
    std::vector<Dollars> cash;
    std::vector<bool> bankrupt;
    int winner;
  } cases[] = {
      {"the richest", {900, 300, 500}, {false, false, false}, 0},
      {"shared first place goes to the highest index", {500, 500, 300}, {false, false, false}, 1},
      {"the bankrupt are passed over", {100, 900, 50}, {false, true, false}, 0},
      // Every remaining worth below the bankrupts' 0: nobody holds rank 1.
      {"all remaining in debt", {-300, 0, -100}, {false, true, false}, 2},
      {"all in debt alike, highest index", {-100, 0, -100}, {false, true, false}, 2},
  };
  for (const Case& c : cases) {
    GameFixture f({{"A"}, {"B"}, {"C"}});
    for (int i = 0; i < 3; ++i) {
      f.P(i).Cash = c.cash[i];
      f.P(i).Bankrupt = c.bankrupt[i];
      if (c.bankrupt[i]) f.P(i).Worth = 0;
    }
    UpdateRanking(f.g);
    EXPECT_EQ(ChooseWinner(f.g), c.winner) << c.name;
  }
}

TEST(EndOfGame, TheLastPlayerLeftWinsAndEverythingStops) {
  GameFixture f({{"Ann"}, {"Bob"}});
  OpenWindow(f.g, GameWindow::Manage, WindowMode::Modeless);
  OpenWindow(f.g, GameWindow::Card, WindowMode::Modeless);
  f.g.GameRunning = true;
  f.g.CurPlayer = 0;
  DeclareBankrupt(f.g, 1, DebtCause::Rent);
  EXPECT_EQ(f.g.GameOver, 1);
  EXPECT_FALSE(f.g.GameRunning);
  EXPECT_EQ(f.ui.winner, 1);
  EXPECT_TRUE(Contains(f.ui.tips, "Congratulations Bob! You are the Quorbis of New York."));
  EXPECT_EQ(Count(f.ui.sounds, Sound::Winner), 1);
  EXPECT_FALSE(f.g.ManageDialogOpen);
  EXPECT_FALSE(f.g.CardDialogOpen);
  EXPECT_FALSE(f.ui.IsOpen(GameWindow::Card));
}

TEST(EndOfGame, ComesWhenNoPersonIsLeft) {
  struct Case {
    const char* name;
    bool robots[3];
    bool ends;
  } cases[] = {
      {"the only person leaves two computer players", {false, true, true}, true},
      {"another person is still playing", {false, false, true}, false},
      {"computer players only end at the first bankruptcy", {true, true, true}, true},
  };
  for (const Case& c : cases) {
    GameFixture f({{"Ann", c.robots[0]}, {"Bob", c.robots[1]}, {"Cid", c.robots[2]}});
    f.P(1).Cash = 800;
    f.P(2).Cash = 900;
    f.g.CurPlayer = 0;
    DeclareBankrupt(f.g, -1, DebtCause::Tax);
    EXPECT_EQ(f.g.GameOver, c.ends ? 1 : 0) << c.name;
    EXPECT_EQ(f.ui.winner, c.ends ? 2 : -1) << c.name;
  }
}

}  // namespace
}  // namespace quorbis
