#include "economy/transactions.h"

#include <gtest/gtest.h>

#include <vector>

#include "economy/bankruptcy.h"
#include "economy/disposal.h"
#include "economy/economy_fixture.h"
#include "economy/groups.h"

namespace quorbis {
namespace {

using testing::Buy;
using testing::Contains;
using testing::Count;
using testing::GameFixture;
using testing::Stand;

constexpr int kTexaco = 11;  // trust member, price 250, base rent 62.5
constexpr int kBus = 7;      // trust member, price 150, base rent 37.5
constexpr int kElectric = 15;
constexpr int kWater = 39;
constexpr int kFridays = 1;  // trust member, price 200

TEST(PayRent, PayerLosesRoundedRentAndCreditorGainsRoundedSum) {
  // The creditor's cash plus the exact rent is rounded, so a fractional rent
  // can give him a dollar more or less than the payer lost.
  struct Case {
    const char* name;
    int square;
    Dollars creditor_cash;
    Dollars payer_loses;
    Dollars creditor_gains;
  } cases[] = {
      {"62.5 to an even balance", kTexaco, 1000, 62, 62},
      {"62.5 to an odd balance", kTexaco, 1001, 62, 63},
      {"37.5 to an even balance", kBus, 1000, 38, 38},
      {"37.5 to an odd balance", kBus, 1001, 38, 37},
  };
  for (const Case& c : cases) {
    GameFixture f;
    std::vector<GameEvent> events;
    f.ui.on_event = [&](const GameEvent& e) { events.push_back(e); };
    Buy(f, 1, c.square);
    f.P(1).Cash = c.creditor_cash;
    f.P(0).Cash = 1500;
    Stand(f, 0, c.square);
    PayRent(f.g);
    EXPECT_EQ(f.P(0).Cash, 1500 - c.payer_loses) << c.name;
    EXPECT_EQ(f.P(1).Cash, c.creditor_cash + c.creditor_gains) << c.name;
    EXPECT_FALSE(f.g.DebtPending) << c.name;
    // The trace accounts for every dollar: the payment and the rounding.
    Dollars traced = 0;
    for (const GameEvent& e : events) {
      if (e.type == EventType::Payment) {
        EXPECT_EQ(e.other, 1) << c.name;
        EXPECT_EQ(e.a, c.payer_loses) << c.name;
        traced += e.a;
      }
      if (e.type == EventType::Credit) traced += e.a;
    }
    EXPECT_EQ(traced, c.creditor_gains) << c.name;
  }
}

TEST(PayRent, ShowsTheRoundedAmountAndTheCreditor) {
  GameFixture f;
  Buy(f, 1, kTexaco);
  Stand(f, 0, kTexaco);
  PayRent(f.g);
  EXPECT_TRUE(Contains(f.ui.tips, "Ann paid $62 rent to Bob"));
}

TEST(PayRent, UtilityRentIsTheMultiplierTimesTheThrow) {
  struct Case {
    bool both_held;
    Dollars rent;
  } cases[] = {{false, 35}, {true, 70}};
  for (const Case& c : cases) {
    GameFixture f;
    Buy(f, 1, kElectric);
    if (c.both_held) Buy(f, 1, kWater);
    f.g.LastDice = 7;
    f.P(0).Cash = 1000;
    Stand(f, 0, kElectric);
    PayRent(f.g);
    EXPECT_EQ(f.P(0).Cash, 1000 - c.rent) << c.both_held;
  }
}

TEST(PayRent, MortgagedSquareCollectsNothingButALaugh) {
  GameFixture f;
  Buy(f, 1, kTexaco);
  Stand(f, 1, kTexaco);
  DisposeAsset(f.g, kTexaco, kMortgage);
  const Dollars owner_cash = f.P(1).Cash;
  f.ui.ClearRecords();
  Stand(f, 0, kTexaco);
  PayRent(f.g);
  EXPECT_EQ(f.P(0).Cash, 1500);
  EXPECT_EQ(f.P(1).Cash, owner_cash);
  EXPECT_EQ(Count(f.ui.sounds, Sound::Laugh), 1);
  EXPECT_TRUE(f.ui.tips.empty());
}

TEST(PayRent, PersonWhoCanRaiseTheRentKeepsAnOpenDebtToTheOwner) {
  GameFixture f({{"Ann"}, {"Bob", true}});
  Buy(f, 0, 6);  // Carnegie Hall, sale value 70
  Buy(f, 1, kTexaco);
  f.P(0).Cash = 20;
  Stand(f, 0, kTexaco);
  PayRent(f.g);
  EXPECT_EQ(f.P(0).Cash, 20 - 62);
  EXPECT_TRUE(f.g.DebtPending);
  EXPECT_TRUE(f.ui.bankrupt_button);
  EXPECT_TRUE(Contains(f.ui.history, "Ann ran out of cash"));
  EXPECT_EQ(f.g.DebtCreditor[0], 1);
  EXPECT_FALSE(f.P(0).Bankrupt);
  // The owner is paid in full although the payer is short.
  EXPECT_EQ(f.P(1).Cash, 1500 - 250 + 62);
}

TEST(PayRent, PersonWhoCannotRaiseTheRentGoesBankruptToTheOwner) {
  GameFixture f({{"Ann"}, {"Bob", true}, {"Cid"}});
  Buy(f, 0, 2);  // sale value 56
  Buy(f, 1, kTexaco);
  f.P(0).Cash = 0;
  Stand(f, 0, kTexaco);
  PayRent(f.g);
  EXPECT_TRUE(f.P(0).Bankrupt);
  EXPECT_FALSE(f.g.DebtPending);
  EXPECT_EQ(f.S(2).Owner, 1);
  EXPECT_EQ(f.P(1).AssetCount, 2);
}

TEST(PayRent, ComputerPlayerSellsToPayAndStaysInTheGame) {
  GameFixture f({{"Ann"}, {"Bob", true, kEasy}});
  Buy(f, 1, 6);
  Buy(f, 0, kTexaco);
  f.P(1).Cash = 10;
  Stand(f, 1, kTexaco);
  PayRent(f.g);
  EXPECT_EQ(f.S(6).Owner, -1);
  EXPECT_EQ(f.P(1).Cash, 10 - 62 + 70);
  EXPECT_FALSE(f.P(1).Bankrupt);
  EXPECT_FALSE(f.g.DebtPending);
}

TEST(Purchase, UpdatesOwnerCashAndTaxAndReportsByPlayerKind) {
  GameFixture f({{"Ann"}, {"Bob", true}});
  Buy(f, 0, 6);
  EXPECT_EQ(f.S(6).Owner, 0);
  EXPECT_EQ(f.S(6).OwnerName.Trimmed(), "Ann");
  EXPECT_EQ(f.S(6).Color, f.P(0).Color);
  EXPECT_EQ(f.P(0).Cash, 1400);
  EXPECT_EQ(f.P(0).TAV, 100);
  EXPECT_EQ(f.P(0).AssetCount, 1);
  // A person's purchase goes to the history only; a computer player's is shown.
  EXPECT_TRUE(Contains(f.ui.history, "Ann bought Carnegie Hall"));
  EXPECT_FALSE(Contains(f.ui.tips, "Ann bought Carnegie Hall"));
  Buy(f, 1, kBus);
  EXPECT_TRUE(Contains(f.ui.tips, "Bob bought NYC Bus"));
  // Only a building plays the building sound.
  EXPECT_EQ(Count(f.ui.sounds, Sound::Upgrade), 1);
}

TEST(Purchase, OfAnOwnedSquareIsIgnored) {
  GameFixture f;
  Buy(f, 1, 6);
  Buy(f, 0, 6);
  EXPECT_EQ(f.S(6).Owner, 1);
  EXPECT_EQ(f.P(0).Cash, 1500);
}

TEST(Takeover, PaysThreePricesAndRaisesThePriceEachTime) {
  GameFixture f({{"Ann"}, {"Bob"}, {"Cid"}}, 1);
  for (int i = 0; i < 3; ++i) f.P(i).Cash = 5000;
  Buy(f, 0, kFridays);
  struct Step {
    int taker;
    int loser;
    Dollars cost;
    Dollars compensation;
    Dollars new_price;
  } steps[] = {{1, 0, 600, 400, 300}, {2, 1, 900, 600, 450}};
  for (const Step& s : steps) {
    const Dollars taker_cash = f.P(s.taker).Cash;
    const Dollars loser_cash = f.P(s.loser).Cash;
    const Dollars loser_tav = f.P(s.loser).TAV;
    const Dollars old_price = f.S(kFridays).Price;
    Stand(f, s.taker, kFridays);
    DoAssetAction(f.g, kTakeover);
    EXPECT_EQ(f.P(s.taker).Cash, taker_cash - s.cost);
    EXPECT_EQ(f.P(s.loser).Cash, loser_cash + s.compensation);
    EXPECT_EQ(f.P(s.loser).TAV, loser_tav - old_price);
    EXPECT_EQ(f.P(s.loser).AssetCount, 0);
    EXPECT_EQ(f.S(kFridays).Price, s.new_price);
    EXPECT_EQ(f.P(s.taker).TAV, s.new_price);
    EXPECT_EQ(f.P(s.taker).AssetCount, 1);
    EXPECT_EQ(f.S(kFridays).Owner, s.taker);
  }
  EXPECT_TRUE(Contains(f.ui.tips, "Cid has successfully acquired T.G.I Friday's"));
}

TEST(Takeover, OfAMortgagedSquareCountsInTheTakersWorthOnlyOnceUnmortgaged) {
  GameFixture f({{"Ann"}, {"Bob"}});
  Buy(f, 1, kFridays);
  Stand(f, 1, kFridays);
  DisposeAsset(f.g, kFridays, kMortgage);
  const Dollars bob_cash = f.P(1).Cash;
  f.P(0).Cash = 1000;
  Stand(f, 0, kFridays);
  DoAssetAction(f.g, kTakeover);
  EXPECT_EQ(f.P(0).Cash, 400);
  EXPECT_EQ(f.P(1).Cash, bob_cash + 200);
  EXPECT_EQ(f.P(1).TAV, 0);
  EXPECT_TRUE(f.S(kFridays).Mortgaged);
  EXPECT_EQ(f.S(kFridays).Price, 300);
  EXPECT_EQ(f.P(0).TAV, 0);
  // Paying the mortgage off brings the square into his TAV, once.
  DisposeAsset(f.g, kFridays, kUnmortgage);
  EXPECT_EQ(f.P(0).TAV, 300);
  UpdateRanking(f.g);
  EXPECT_EQ(f.P(0).Worth, f.P(0).Cash + 300);
}

TEST(Tax, IsChargedWithItsMessage) {
  GameFixture f;
  Stand(f, 0, 5);
  DoAssetAction(f.g, kPayTax);
  EXPECT_EQ(f.P(0).Cash, 1300);
  EXPECT_TRUE(Contains(f.ui.tips, "Ann paid $200 in INCOME TAX"));
  EXPECT_EQ(Count(f.ui.sounds, Sound::Lost), 1);
  Stand(f, 0, 45);
  DoAssetAction(f.g, kPayTax);
  EXPECT_TRUE(Contains(f.ui.tips, "Ann paid $75 in LUXURY TAX"));
}

TEST(Tax, ThatBankruptsTheLastPersonEndsTheGameWithoutAPaidMessage) {
  GameFixture f({{"Ann"}, {"Bob", true}});
  Buy(f, 0, 2);
  f.P(0).Cash = 0;
  Stand(f, 0, 5);
  DoAssetAction(f.g, kPayTax);
  EXPECT_TRUE(f.P(0).Bankrupt);
  EXPECT_EQ(f.g.GameOver, 1);
  EXPECT_FALSE(Contains(f.ui.tips, "Ann paid $200 in INCOME TAX"));
  EXPECT_EQ(Count(f.ui.sounds, Sound::Lost), 0);
  // To the bank: the square is free again, under the bank's name.
  EXPECT_EQ(f.S(2).Owner, -1);
  EXPECT_EQ(f.S(2).OwnerName.Trimmed(), "Bank");
}

TEST(Ratios, TakeoverProgressAndProfitRates) {
  GameFixture f;
  EXPECT_TRUE(ChkTakeOver(f.g, 0));
  EXPECT_FALSE(ChkTakeOver(f.g, 1));
  Buy(f, 0, kTexaco);
  Buy(f, 0, 6);
  EXPECT_TRUE(ChkTakeOver(f.g, 2));
  EXPECT_FALSE(ChkTakeOver(f.g, 3));
  // Texaco: rent 62.5 on 250 is 25%.
  Stand(f, 0, kTexaco);
  EXPECT_TRUE(CheckPE(f.g, 25));
  EXPECT_FALSE(CheckPE(f.g, 26));
  // Rents 62.5 (-> 62) + 20 = 82 on 350: 23%.
  EXPECT_TRUE(ChkProfitRate(f.g, 23));
  EXPECT_FALSE(ChkProfitRate(f.g, 24));
  Stand(f, 1, 6);
  EXPECT_FALSE(ChkProfitRate(f.g, 1));
}

}  // namespace
}  // namespace quorbis
