#include "economy/groups.h"

#include <gtest/gtest.h>

#include "economy/disposal.h"
#include "economy/economy_fixture.h"
#include "economy/transactions.h"

namespace quorbis {
namespace {

using testing::Buy;
using testing::Contains;
using testing::Count;
using testing::GameFixture;
using testing::Stand;

Dollars RentOf(GameFixture& f, int s) {
  return f.S(s).Rent.ToDollars();
}

// Ann does `kind` to her square s.
void Dispose(GameFixture& f, int s, int kind) {
  Stand(f, f.S(s).Owner, s);
  DisposeAsset(f.g, s, kind);
}

TEST(ColourGroup, CompletingMortgagingAndRegainingTheGreenGroup) {
  GameFixture f;
  Buy(f, 0, 2);
  Buy(f, 0, 4);
  EXPECT_FALSE(f.S(2).CanUpgrade);
  f.ui.ClearRecords();
  Buy(f, 0, 6);
  // The bonus: twice the base rent, a quarter of the starting price.
  EXPECT_EQ(RentOf(f, 2), 40);
  EXPECT_EQ(RentOf(f, 4), 40);
  EXPECT_EQ(RentOf(f, 6), 50);
  for (int s : {2, 4, 6}) EXPECT_TRUE(f.S(s).CanUpgrade) << s;
  EXPECT_EQ(Count(f.ui.sounds, Sound::Trust), 1);
  EXPECT_TRUE(Contains(f.ui.tips, "Ann, You got a quorbis!"));

  Dispose(f, 4, kMortgage);
  EXPECT_EQ(RentOf(f, 2), 16);
  EXPECT_EQ(RentOf(f, 4), 16);
  EXPECT_EQ(RentOf(f, 6), 20);
  for (int s : {2, 4, 6}) EXPECT_FALSE(f.S(s).CanUpgrade) << s;

  Dispose(f, 4, kUnmortgage);
  EXPECT_EQ(RentOf(f, 2), 40);
  EXPECT_EQ(RentOf(f, 6), 50);
}

TEST(ColourGroup, StarredRentHalvesWithTheBonusAndDoublesBackOnce) {
  GameFixture f;
  f.P(0).Cash = 5000;
  for (int s : {2, 4, 6}) Buy(f, 0, s);
  Dispose(f, 2, kUpgrade);
  EXPECT_EQ(f.S(2).StarClass, 3);
  EXPECT_EQ(RentOf(f, 2), 80);  // 4 x base 20
  Dispose(f, 4, kMortgage);
  EXPECT_EQ(RentOf(f, 2), 40);
  Dispose(f, 4, kUnmortgage);
  EXPECT_EQ(RentOf(f, 2), 80);
  // Recomputing a group that already has its bonus changes nothing.
  ApplyAssetChange(f.g, 2, 0);
  EXPECT_EQ(RentOf(f, 2), 80);
  EXPECT_EQ(RentOf(f, 6), 50);
}

TEST(ColourGroup, TakeoverMovesTheBonusFromLoserToTaker) {
  GameFixture f({{"Ann"}, {"Bob"}});
  f.P(1).Cash = 5000;
  for (int s : {2, 4, 6}) Buy(f, 0, s);
  Stand(f, 1, 6);
  DoAssetAction(f.g, kTakeover);
  EXPECT_FALSE(f.S(2).CanUpgrade);
  EXPECT_EQ(RentOf(f, 2), 16);
  // The taken building falls back to a fifth of its raised price.
  EXPECT_EQ(f.S(6).Price, 150);
  EXPECT_EQ(RentOf(f, 6), 30);

  Stand(f, 1, 2);
  DoAssetAction(f.g, kTakeover);
  Stand(f, 1, 4);
  DoAssetAction(f.g, kTakeover);
  for (int s : {2, 4, 6}) EXPECT_TRUE(f.S(s).CanUpgrade) << s;
  EXPECT_EQ(RentOf(f, 2), 40);
  EXPECT_EQ(RentOf(f, 6), 50);
  EXPECT_TRUE(Contains(f.ui.tips, "Bob, You got a quorbis!"));
}

TEST(ColourGroup, LastBuildingBoughtWithOneMortgagedIsAnnouncedWithoutBonus) {
  GameFixture f;
  Buy(f, 0, 2);
  Dispose(f, 2, kMortgage);
  Buy(f, 0, 4);
  f.ui.ClearRecords();
  Buy(f, 0, 6);
  EXPECT_TRUE(Contains(f.ui.tips, "Ann, You got a quorbis!"));
  EXPECT_FALSE(f.S(4).CanUpgrade);
  EXPECT_EQ(RentOf(f, 4), 16);
}

TEST(Trust, RentFollowsTheUnmortgagedMembersHeld) {
  GameFixture f;
  f.P(0).Cash = 5000;
  for (int s : {1, 13, 25}) Buy(f, 0, s);
  EXPECT_EQ(RentOf(f, 1), 150);  // 3 x base 50
  Dispose(f, 13, kMortgage);
  for (int s : {1, 13, 25}) {
    EXPECT_EQ(RentOf(f, s), 100) << s;
    EXPECT_FALSE(f.S(s).TrustComplete) << s;
  }
  Dispose(f, 13, kUnmortgage);
  f.ui.ClearRecords();
  Buy(f, 0, 37);
  for (int s : {1, 13, 25, 37}) {
    EXPECT_EQ(RentOf(f, s), 200) << s;
    EXPECT_TRUE(f.S(s).TrustComplete) << s;
  }
  EXPECT_TRUE(Contains(f.ui.tips,
                       "Ann, You are the Fast-food Chain Trust (T.G.I Friday's & "
                       "McDonald's & Starbucks & KFC)"));
}

TEST(Trust, UtilitiesMultiplierIsFivePerUtilityHeld) {
  GameFixture f;
  Buy(f, 0, 15);
  EXPECT_EQ(f.S(15).BaseRent, Currency::FromDollars(5));
  Buy(f, 0, 39);
  for (int s : {15, 39}) {
    EXPECT_EQ(f.S(s).BaseRent, Currency::FromDollars(10)) << s;
    EXPECT_TRUE(f.S(s).TrustComplete) << s;
  }
  Dispose(f, 39, kMortgage);
  for (int s : {15, 39}) {
    EXPECT_EQ(f.S(s).BaseRent, Currency::FromDollars(5)) << s;
    EXPECT_FALSE(f.S(s).TrustComplete) << s;
  }
}

TEST(CheckQuorbis, ComparesTheShareHeldWithTheRate) {
  struct Case {
    const char* name;
    std::vector<int> held;
    int square;
    int rate;
    bool expected;
  } cases[] = {
      {"red 2 of 4 is not above half", {8, 10}, 8, 50, false},
      {"red 3 of 4 is above half", {8, 10, 14}, 8, 50, true},
      {"green 2 of 3 is above half", {2, 4}, 6, 50, true},
      {"green 2 of 3 is not whole", {2, 4}, 6, 99, false},
      {"green whole", {2, 4, 6}, 2, 99, true},
      {"trust 2 of 4 reaches half", {1, 13}, 25, 50, true},
      {"trust 1 of 4 does not", {1}, 1, 50, false},
      {"one utility reaches half", {15}, 39, 50, true},
      {"both utilities are whole", {15, 39}, 15, 99, true},
      {"a square not owned at all", {}, 2, 0, false},
  };
  for (const Case& c : cases) {
    GameFixture f;
    f.P(0).Cash = 5000;
    for (int s : c.held) Buy(f, 0, s);
    f.g.CurPlayer = 0;
    EXPECT_EQ(CheckQuorbis(f.g, c.square, c.rate), c.expected) << c.name;
  }
  GameFixture f;
  EXPECT_FALSE(CheckQuorbis(f.g, 5, 0)) << "a tax square belongs to no group";
}

}  // namespace
}  // namespace quorbis
