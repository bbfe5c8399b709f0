#include "economy/disposal.h"

#include <gtest/gtest.h>

#include <vector>

#include "economy/economy_fixture.h"
#include "economy/transactions.h"

namespace quorbis {
namespace {

using testing::Buy;
using testing::Contains;
using testing::GameFixture;
using testing::Stand;

TEST(SaleAssets, EachLevelFollowsItsOrderUntilTheAmountIsRaised) {
  struct Case {
    const char* name;
    int level;
    std::vector<int> held;
    std::vector<int> mortgaged;
    Dollars cash;
    Dollars required;
    std::vector<int> disposed;  // squares in the order they were sold or mortgaged
    Dollars cash_after;
  } cases[] = {
      {"normal mortgages all and still falls short", kNormal, {2, 4}, {}, -100, 100, {2, 4}, -20},
      {"easy sells the first and stops", kEasy, {6, 8}, {}, -50, 50, {6}, 20},
      {"easy cannot sell a mortgaged square", kEasy, {6, 8}, {6}, -50, 50, {8}, 27},
      {"hard: minority first, then buildings, then trusts",
       kHard,
       {1, 2, 4, 8, 13},
       {},
       -1000,
       1000,
       {8, 2, 4, 1, 13},
       -1000 + 55 + 40 + 40 + 100 + 100},
      {"hard stops at the minority when it is enough", kHard, {2, 4, 8}, {}, -30, 30, {8}, 25},
      {"nothing is sold for a covered debt", kEasy, {6}, {}, 0, 0, {}, 0},
  };
  for (const Case& c : cases) {
    GameFixture f({{"Ann"}, {"Bob", true, c.level}});
    f.P(1).Cash = 5000;
    for (int s : c.held) Buy(f, 1, s);
    for (int s : c.mortgaged) {
      Stand(f, 1, s);
      DisposeAsset(f.g, s, kMortgage);
    }
    std::vector<int> disposed;
    f.ui.on_event = [&](const GameEvent& e) {
      if (e.type == EventType::Sale || e.type == EventType::Mortgage) disposed.push_back(e.square);
    };
    f.P(1).Cash = c.cash;
    f.g.CurPlayer = 1;
    SaleAssets(f.g, c.required);
    EXPECT_EQ(disposed, c.disposed) << c.name;
    EXPECT_EQ(f.P(1).Cash, c.cash_after) << c.name;
  }
}

TEST(DisposeAsset, ValuesAndEffectsOfTheFourOperations) {
  GameFixture f;
  f.P(0).Cash = 5000;
  for (int s : {2, 4, 6}) Buy(f, 0, s);
  Stand(f, 0, 6);  // Carnegie Hall: price 100, upgrade cost 50
  const Dollars tav = f.P(0).TAV;

  EXPECT_EQ(DisposeAsset(f.g, 6, kUpgrade), -50);
  EXPECT_EQ(f.S(6).StarClass, 3);
  EXPECT_EQ(f.S(6).Rent, Currency::FromDollars(100));  // 4 x 25
  EXPECT_EQ(f.S(6).Price, 150);
  EXPECT_EQ(f.P(0).TAV, tav + 50);
  EXPECT_TRUE(Contains(f.ui.tips, "Ann upgraded Carnegie Hall to 3 Stars Class"));
  EXPECT_EQ(DisposeAsset(f.g, 6, kUpgrade), -50) << "every step costs the same";
  EXPECT_EQ(f.S(6).Rent, Currency::FromDollars(200));

  // Price is now 200: mortgage 100, unmortgage 130, sale 140.
  const Dollars cash = f.P(0).Cash;
  EXPECT_EQ(DisposeAsset(f.g, 6, kMortgage), 100);
  EXPECT_EQ(f.P(0).TAV, tav + 100 - 200);
  EXPECT_EQ(DisposeAsset(f.g, 6, kUnmortgage), -130);
  EXPECT_EQ(f.P(0).TAV, tav + 100);
  EXPECT_EQ(DisposeAsset(f.g, 6, kSell), 140);
  EXPECT_EQ(f.P(0).Cash, cash + 100 - 130 + 140);
  EXPECT_EQ(f.P(0).TAV, tav - 100);
  EXPECT_EQ(f.P(0).AssetCount, 2);
  EXPECT_EQ(f.S(6).Owner, -1);
  EXPECT_EQ(f.S(6).Color, kUnownedColor);
  EXPECT_TRUE(f.S(6).OwnerName.Empty());
  EXPECT_TRUE(Contains(f.ui.tips, "Ann sold Carnegie Hall"));
}

TEST(DisposeAsset, RefusalsChangeNothing) {
  struct Case {
    const char* name;
    int square;
    int kind;
    void (*setup)(GameFixture&);
  } cases[] = {
      {"another player's square", 8, kSell, [](GameFixture&) {}},
      {"sell a mortgaged square", 2, kSell, [](GameFixture& f) { SetMortgaged(f.g, 2, true); }},
      {"mortgage twice", 2, kMortgage, [](GameFixture& f) { SetMortgaged(f.g, 2, true); }},
      {"unmortgage an unmortgaged square", 2, kUnmortgage, [](GameFixture&) {}},
      {"unmortgage without the cash", 2, kUnmortgage,
       [](GameFixture& f) {
         SetMortgaged(f.g, 2, true);
         f.P(0).Cash = 51;  // costs 52
       }},
      {"upgrade without the whole group", 2, kUpgrade,
       [](GameFixture& f) { f.S(2).CanUpgrade = false; }},
      {"upgrade a trust member", 1, kUpgrade, [](GameFixture& f) { f.S(1).CanUpgrade = true; }},
      {"upgrade past 5 stars", 2, kUpgrade, [](GameFixture& f) { f.S(2).StarClass = 5; }},
      {"upgrade without the cash", 2, kUpgrade, [](GameFixture& f) { f.P(0).Cash = 39; }},
      {"a square that is not a property", 5, kSell, [](GameFixture&) {}},
  };
  for (const Case& c : cases) {
    GameFixture f;
    f.P(0).Cash = 5000;
    for (int s : {1, 2, 4, 6}) Buy(f, 0, s);
    Buy(f, 1, 8);
    c.setup(f);
    const Player before = f.P(0);
    const Square square_before = f.S(c.square);
    f.ui.ClearRecords();
    Stand(f, 0, 0);
    EXPECT_EQ(DisposeAsset(f.g, c.square, c.kind), 0) << c.name;
    EXPECT_EQ(f.P(0).Cash, before.Cash) << c.name;
    EXPECT_EQ(f.P(0).TAV, before.TAV) << c.name;
    EXPECT_EQ(f.S(c.square).Owner, square_before.Owner) << c.name;
    EXPECT_EQ(f.S(c.square).Mortgaged, square_before.Mortgaged) << c.name;
    EXPECT_EQ(f.S(c.square).StarClass, square_before.StarClass) << c.name;
    EXPECT_TRUE(f.ui.tips.empty()) << c.name;
  }
}

TEST(DisposeValue, RoundsAfterEachSquare) {
  GameFixture f;
  Buy(f, 0, 8);
  Buy(f, 0, 10);
  f.g.CurPlayer = 0;
  EXPECT_EQ(GetDiposeValue(f.g), 154);  // 77 + 77
  // 77 + 52.5 rounds to 130, where rounding each sale first would give 129.
  f.S(10).Price = 75;
  EXPECT_EQ(GetDiposeValue(f.g), 130);
  SetMortgaged(f.g, 10, true);
  EXPECT_EQ(GetDiposeValue(f.g), 77) << "mortgaged squares cannot be sold";
}

TEST(MortgageValue, LeavesOutTheGroupsHeldByMajority) {
  GameFixture f;
  for (int s : {2, 4, 8, 15}) Buy(f, 0, s);
  f.g.CurPlayer = 0;
  EXPECT_EQ(GetMortgageValue(f.g), 55);  // only the red building: green and the utility are held
}

TEST(PayDebt, ShortfallIsMetFromDepositThenAssetsThenBankruptcy) {
  struct Case {
    const char* name;
    bool robot;
    Dollars cash;
    Dollars deposit;
    std::vector<int> held;
    Dollars debt;
    bool debt_open;
    bool bankrupt;
  } cases[] = {
      {"the deposit pays without a warning", false, 30, 100, {}, 50, false, false},
      {"a person with squares to sell is left short", false, 10, 0, {6}, 50, true, false},
      {"a person who cannot cover it by selling goes bankrupt",
       false,
       10,
       0,
       {6},
       100,
       false,
       true},
      {"a computer player sells and pays", true, 10, 0, {6}, 50, false, false},
      {"a computer player who cannot goes bankrupt", true, 10, 0, {6}, 100, false, true},
  };
  for (const Case& c : cases) {
    GameFixture f({{"Ann", c.robot}, {"Bob"}});
    for (int s : c.held) Buy(f, 0, s);
    f.P(0).Cash = c.cash;
    f.P(0).Deposit = c.deposit;
    Stand(f, 0, 5);
    PayDebt(f.g, c.debt, DebtCause::Card);
    EXPECT_EQ(f.g.DebtPending, c.debt_open) << c.name;
    EXPECT_EQ(f.ui.bankrupt_button, c.debt_open) << c.name;
    EXPECT_EQ(f.P(0).Bankrupt, c.bankrupt) << c.name;
    if (c.debt_open) {
      EXPECT_TRUE(Contains(f.ui.history, "Ann ran out of cash")) << c.name;
      EXPECT_EQ(f.g.DebtCreditor[0], -1) << c.name;
      EXPECT_EQ(f.g.DebtReason[0], static_cast<int>(DebtCause::Card)) << c.name;
    }
  }
  GameFixture f;
  f.P(0).Cash = 30;
  f.P(0).Deposit = 100;
  f.g.CurPlayer = 0;
  PayDebt(f.g, 50, DebtCause::Card);
  EXPECT_EQ(f.P(0).Cash, 0);
  EXPECT_EQ(f.P(0).Deposit, 80);
}

}  // namespace
}  // namespace quorbis
