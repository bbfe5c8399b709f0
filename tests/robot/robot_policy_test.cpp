// The computer players' decisions, each at the cash boundaries where the
// levels differ. Every case sets the squares up directly and runs the real
// economy underneath, so a decision is judged by what actually happened to
// cash and ownership.
#include "robot/robot.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "economy/groups.h"
#include "support/game_fixture.h"

namespace quorbis {
namespace {

constexpr int kRob = 0;  // the computer player under test
constexpr int kTom = 1;  // his rival

// Rob (seat 0) of the given level against Tom (seat 1), Rob to play.
class Table : public testing::GameFixture {
 public:
  Table(int level, Dollars cash)
      : GameFixture({{"Rob", true, level, cash}, {"Tom", true, kEasy, 1500}}) {
    g.CurPlayer = kRob;
  }

  // Gives the squares to `player` and brings the group rents and flags up to
  // date, as if he had bought them one by one.
  void Hold(int player, std::initializer_list<int> squares, bool mortgaged = false) {
    for (int s : squares) {
      Own(s, player);
      if (mortgaged) {
        SetMortgaged(g, s, true);
        P(player).TAV -= S(s).Price;
      }
    }
    for (int s : squares) ApplyAssetChange(g, s, player);
  }

  void LandOn(int square) {
    g.CurPlayer = kRob;
    g.CurSquare = square;
    AutoAction(g);
  }
};

// Green: 2 (80), 4 (80), 6 (100). Holding 2 and 4 dominates it.
constexpr int kGreenTarget = 6;

TEST(RobotPurchase, BuysByLevelAtTheCashBoundaries) {
  struct Case {
    const char* name;
    int level;
    Dollars cash;
    bool dominated;
    bool buys;
  };
  const Case cases[] = {
      {"Easy with exactly the price buys", kEasy, 100, false, true},
      {"Easy a dollar short passes", kEasy, 99, false, false},
      {"Normal keeps its $100 reserve", kNormal, 199, false, false},
      {"Normal buys with price + reserve", kNormal, 200, false, true},
      {"Normal spends its reserve on a group it dominates", kNormal, 100, true, true},
      {"Normal cannot pay for a dominated square", kNormal, 99, true, false},
      {"Hard keeps its reserve outside its groups", kHard, 199, false, false},
      {"Hard buys with price + reserve", kHard, 200, false, true},
      {"Hard buys a dominated square with exactly the price", kHard, 100, true, true},
      {"Hard short, with nothing outside its groups to mortgage", kHard, 99, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Table t(c.level, c.cash);
    if (c.dominated) t.Hold(kRob, {2, 4});
    t.LandOn(kGreenTarget);
    EXPECT_EQ(t.S(kGreenTarget).Owner, c.buys ? kRob : -1);
    EXPECT_EQ(t.P(kRob).Cash, c.buys ? c.cash - 100 : c.cash);
  }
}

TEST(RobotTakeover, TakesOverOrPaysRentByLevel) {
  // Square 6 (price 100) belongs to Tom: a takeover costs 300, the rent is 20.
  struct Case {
    const char* name;
    int level;
    Dollars cash;
    bool dominated;
    Dollars top_price;  // raises the dearest square to this price when set
    bool takes;
  };
  const Case cases[] = {
      {"Easy never takes over", kEasy, 100000, true, 0, false},
      {"Normal takes over with 3P + reserve", kNormal, 400, true, 0, true},
      {"Normal a dollar short of 3P + reserve", kNormal, 399, true, 0, false},
      {"Normal never takes a group it does not dominate", kNormal, 100000, false, 0, false},
      {"Hard takes over a dominated group with exactly 3P", kHard, 300, true, 0, true},
      {"Hard a dollar short, nothing to mortgage", kHard, 299, true, 0, false},
      {"Hard takes anything with 2 x M (M = 3 x 400)", kHard, 2400, false, 0, true},
      {"Hard a dollar short of 2 x M", kHard, 2399, false, 0, false},
      {"M follows the current prices (dearest now 600)", kHard, 2400, false, 600, false},
      {"...and 2 x the new M is enough", kHard, 3600, false, 600, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Table t(c.level, c.cash);
    if (c.top_price) t.S(30).Price = c.top_price;  // Rockefeller Center, after takeovers
    t.Hold(kTom, {kGreenTarget});
    if (c.dominated) t.Hold(kRob, {2, 4});
    const Dollars tom_cash = t.P(kTom).Cash;
    t.LandOn(kGreenTarget);
    EXPECT_EQ(t.S(kGreenTarget).Owner, c.takes ? kRob : kTom);
    EXPECT_EQ(t.P(kRob).Cash, c.cash - (c.takes ? 300 : 20));
    EXPECT_EQ(t.P(kTom).Cash, tom_cash + (c.takes ? 200 : 20));
  }
}

TEST(RobotTakeover, NobodyTakesAMemberOfACompleteTrust) {
  for (int level : {kEasy, kNormal, kHard}) {
    SCOPED_TRACE(level);
    Table t(level, 100000);
    t.Hold(kTom, {1, 13, 25, 37});  // the whole of trust A
    t.Hold(kRob, {7, 19});          // so Rob dominates trust B, not A
    ASSERT_TRUE(t.S(13).TrustComplete);
    t.LandOn(13);
    EXPECT_EQ(t.S(13).Owner, kTom);
    EXPECT_EQ(t.P(kRob).Cash, 100000 - 200) << "four members: 4 x a quarter of 200";
  }
}

TEST(RobotTakeover, OwnSquareIsLeftAlone) {
  Table t(kHard, 100000);
  t.Hold(kRob, {kGreenTarget});
  t.LandOn(kGreenTarget);
  EXPECT_EQ(t.S(kGreenTarget).Owner, kRob);
  EXPECT_EQ(t.P(kRob).Cash, 100000);
}

TEST(RobotHard, MortgagesOutsideItsGroupsToBuyADominatedSquare) {
  // Blue: 18 (180), 20 (200), 22 (240). Rob holds 18 and 22 and has $50; the
  // lone company squares 1 (200) and 7 (150) would raise 100 + 75.
  Table t(kHard, 50);
  t.Hold(kRob, {18, 22, 1, 7});
  t.LandOn(20);
  EXPECT_EQ(t.S(20).Owner, kRob);
  EXPECT_TRUE(t.S(1).Mortgaged);
  EXPECT_TRUE(t.S(7).Mortgaged);
  EXPECT_FALSE(t.S(18).Mortgaged) << "the group it is building is kept";
  EXPECT_EQ(t.P(kRob).Cash, 50 + 100 + 75 - 200);
}

TEST(RobotHard, SalesThatFallShortOfTheEstimateNeverLeaveCashNegative) {
  // The estimate of what mortgaging brings rounds its running sum (113 +
  // 112.5 = 225.5 -> 226), each mortgage rounds on its own (113 + 112 = 225):
  // the sales raise a dollar less than planned. Yellow 28 and 30 are already
  // mortgaged, so nothing else can be raised. Rob must not buy or take over on
  // credit; he pays the rent or lets the square go.
  struct Case {
    const char* name;
    bool tom_owns_target;
    Dollars cash;  // cost - 226
  };
  const Case cases[] = {
      {"purchase of Freedom Tower (400)", false, 400 - 226},
      {"takeover of Freedom Tower (1200)", true, 1200 - 226},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Table t(kHard, c.cash);
    t.S(1).Price = 226;  // prices raised by earlier takeovers
    t.S(11).Price = 225;
    t.Hold(kRob, {1, 11});
    t.Hold(kRob, {28, 30}, /*mortgaged=*/true);
    if (c.tom_owns_target) t.Hold(kTom, {26});
    const Dollars tom_cash = t.P(kTom).Cash;
    t.LandOn(26);
    EXPECT_GE(t.P(kRob).Cash, 0);
    EXPECT_FALSE(t.g.DebtPending);
    if (c.tom_owns_target) {
      EXPECT_EQ(t.S(26).Owner, kTom);
      EXPECT_EQ(t.P(kTom).Cash, tom_cash + 80) << "the rent is paid instead";
    } else {
      EXPECT_EQ(t.S(26).Owner, -1);
    }
  }
}

// Rob holds Green 2 (mortgaged: 52 to lift) and 4, and buys 6 for 100 with
// `cash_after_purchase` + 100 in hand. Upgrades cost 40, 40 and 50.
void CompleteGreen(Table& t) {
  t.Hold(kRob, {2}, /*mortgaged=*/true);
  t.Hold(kRob, {4});
  t.LandOn(6);
  ASSERT_EQ(t.S(6).Owner, kRob);
}

std::vector<int> GreenStars(Table& t) {
  return {t.S(2).StarClass, t.S(4).StarClass, t.S(6).StarClass};
}

TEST(RobotUpgrade, WholeGroupReachesEachClassBeforeAnyMemberGoesHigher) {
  struct Case {
    const char* name;
    Dollars cash;  // after the purchase
    std::vector<int> stars;
    bool unmortgaged;
  };
  const Case cases[] = {
      {"not even the unmortgage", 51, {0, 0, 0}, false},
      {"unmortgage, then stop short of the first upgrade", 52 + 39, {0, 0, 0}, true},
      {"all to class 3, a dollar short of the next", 52 + 130 + 39, {3, 3, 3}, true},
      {"one more upgrade goes to the first member", 52 + 130 + 40 + 39, {4, 3, 3}, true},
      {"class 4 for all before class 5", 52 + 260 + 40, {5, 4, 4}, true},
      {"plenty: every member at the top class", 100000, {5, 5, 5}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (int level : {kNormal, kHard}) {
      Table t(level, c.cash + 100);
      CompleteGreen(t);
      RobotManageAssets(t.g);
      EXPECT_EQ(GreenStars(t), c.stars) << "level " << level;
      EXPECT_EQ(t.S(2).Mortgaged, !c.unmortgaged);
      EXPECT_GE(t.P(kRob).Cash, 0);
    }
  }
}

TEST(RobotUpgrade, EasyOnlyUnmortgages) {
  Table t(kEasy, 100000);
  CompleteGreen(t);
  RobotManageAssets(t.g);
  EXPECT_FALSE(t.S(2).Mortgaged);
  EXPECT_EQ(GreenStars(t), (std::vector<int>{0, 0, 0}));
}

std::vector<int> MortgagedSquares(Table& t) {
  std::vector<int> mortgaged;
  for (int s = 1; s < kSquareCount; ++s)
    if (t.S(s).Mortgaged) mortgaged.push_back(s);
  return mortgaged;
}

// Rob holds Red 10 (price 110, lifting costs 71.5) and company 13 (200, 130),
// both mortgaged.
TEST(RobotUnmortgage, GoesInBoardOrderUntilTheCashRunsOut) {
  struct Case {
    Dollars cash;
    std::vector<int> mortgaged_after;
  };
  const Case cases[] = {{71, {10, 13}}, {72, {13}}, {72 + 129, {13}}, {72 + 130, {}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cash);
    Table t(kEasy, c.cash);
    t.Hold(kRob, {10, 13}, true);
    RobotManageAssets(t.g);
    EXPECT_EQ(MortgagedSquares(t), c.mortgaged_after);
    EXPECT_GE(t.P(kRob).Cash, 0);
  }
}

TEST(RobotUnmortgage, ARivalsMortgagedBuildingInTheGroupEndsThePass) {
  Table t(kEasy, 100000);
  t.Hold(kTom, {8}, true);  // the Red group is visited from 8 on
  t.Hold(kRob, {10, 13}, true);
  RobotManageAssets(t.g);
  EXPECT_EQ(MortgagedSquares(t), (std::vector<int>{8, 10, 13}));
  EXPECT_EQ(t.P(kRob).Cash, 100000);
}

// Squares handed to Tom to set how far the game has advanced.
constexpr int kBoardProperties[] = {1,  2,  4,  6,  7,  8,  10, 11, 13, 14, 15, 16, 18, 19,
                                    20, 22, 23, 25, 31, 32, 34, 35, 37, 38, 39, 40, 42};

TEST(RobotBank, KeepsTheReserveInHandByLevel) {
  struct Case {
    const char* name;
    int level;
    int owned;  // squares owned on the board (by Tom)
    Dollars top_price;
    Dollars cash, deposit;
    Dollars cash_after, deposit_after;
  };
  const Case cases[] = {
      {"fewer than 15 owned: reserve 1081, surplus under 100 stays", kNormal, 10, 0, 1150, 0, 1150,
       0},
      {"fewer than 15 owned: surplus deposited", kNormal, 10, 0, 1300, 0, 1081, 219},
      {"15 owned: reserve 720 (720.5 rounds to even)", kNormal, 15, 0, 1000, 0, 720, 280},
      {"19 owned: a surplus of exactly 100 is deposited", kNormal, 19, 0, 820, 0, 720, 100},
      {"20 owned: reserve 1441", kHard, 20, 0, 1600, 0, 1441, 159},
      {"20 owned: reserve M when the dearest square costs 600", kNormal, 20, 600, 2000, 0, 1800,
       200},
      {"short of the reserve: withdraws up to it", kNormal, 10, 0, 500, 1000, 1081, 419},
      {"short of the reserve: withdraws what the deposit holds", kHard, 10, 0, 500, 100, 600, 0},
      {"under $100: withdraws", kNormal, 10, 0, 50, 60, 110, 0},
      {"Easy never banks", kEasy, 10, 0, 5000, 0, 5000, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Table t(c.level, c.cash);
    t.P(kRob).Deposit = c.deposit;
    if (c.top_price) t.S(30).Price = c.top_price;
    for (int i = 0; i < c.owned; ++i) t.Own(kBoardProperties[i], kTom);
    RobotBank(t.g);
    EXPECT_EQ(t.P(kRob).Cash, c.cash_after);
    EXPECT_EQ(t.P(kRob).Deposit, c.deposit_after);
    EXPECT_EQ(t.P(kRob).Loan, 0);
  }
}

TEST(RobotBank, OnlyHardBorrowsAndNeverMoreThan360) {
  struct Case {
    const char* name;
    int level;
    bool holds_yellow;  // 26, 28, 30: a third of their prices is 357
    Dollars cash, loan;
    Dollars loan_after;
  };
  const Case cases[] = {
      {"Normal does not borrow", kNormal, true, 99, 0, 0},
      {"Hard: the limit is its own cash without squares", kHard, false, 99, 0, 99},
      {"Hard: a limit of 456 is capped at 360", kHard, true, 99, 0, 360},
      {"Hard: a limit of exactly 1 lends 1", kHard, false, 99, 98, 99},
      {"Hard: a limit below 1 lends nothing", kHard, false, 99, 99, 99},
      {"Hard: $100 in hand is not short", kHard, true, 100, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Table t(c.level, c.cash);
    t.P(kRob).Loan = c.loan;
    if (c.holds_yellow) t.Hold(kRob, {26, 28, 30});
    RobotBank(t.g);
    EXPECT_EQ(t.P(kRob).Loan, c.loan_after);
    EXPECT_EQ(t.P(kRob).Cash, c.cash + (c.loan_after - c.loan));
  }
}

}  // namespace
}  // namespace quorbis
