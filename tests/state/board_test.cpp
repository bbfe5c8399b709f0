#include "state/board.h"
#include "state/holdings.h"

#include <gtest/gtest.h>

#include <set>

namespace quorbis {
namespace {

struct SquareRow {
  int sq;
  const char* short_name;
  int kind;
  int price;
  int trust;
  double base_rent;
  double rent;
  double upgrade;
};

// The board as a player sees it at the start of a game, with the rents the
// board's formulas must give.
constexpr SquareRow kExpected[] = {
    {0, "GO", kNothing, 0, 0, 0, 0, 0},
    {1, "T.G.I Friday's", kProperty, 200, kTrust, 50, 50, 0},
    {2, "570 Lexington", kProperty, 80, kBuilding, 20, 16, 40},
    {3, "LUCK", kLuck, 0, 0, 0, 0, 0},
    {4, "Woolworth Bldg", kProperty, 80, kBuilding, 20, 16, 40},
    {5, "INCOME TAX", kTax, 200, 0, 0, 200, 0},
    {6, "Carnegie Hall", kProperty, 100, kBuilding, 25, 20, 50},
    {7, "NYC Bus", kProperty, 150, kTrust, 37.5, 37.5, 0},
    {8, "Worldwide Plaza", kProperty, 110, kBuilding, 27.5, 22, 55},
    {9, "CHANCE", kChance, 0, 0, 0, 0, 0},
    {10, "One Penn Plaza", kProperty, 110, kBuilding, 27.5, 22, 55},
    {11, "Texaco Oil", kProperty, 250, kTrust, 62.5, 62.5, 0},
    {12, "Just Visiting Jail", kJail, 0, 0, 0, 0, 0},
    {13, "McDonald's", kProperty, 200, kTrust, 50, 50, 0},
    {14, "60 Wall Street", kProperty, 180, kBuilding, 45, 36, 90},
    {15, "NYC Electric", kProperty, 100, kUtility, 5, 5, 0},
    {16, "GE Building", kProperty, 250, kBuilding, 62.5, 50, 125},
    {17, "LUCK", kLuck, 0, 0, 0, 0, 0},
    {18, "Manhattan Plaza", kProperty, 180, kBuilding, 45, 36, 90},
    {19, "NYC Subway", kProperty, 150, kTrust, 37.5, 37.5, 0},
    {20, "Bloomberg Tower", kProperty, 200, kBuilding, 50, 40, 100},
    {21, "BANK", kBank, 0, 0, 0, 0, 0},
    {22, "Times Tower", kProperty, 240, kBuilding, 60, 48, 120},
    {23, "Exxon Oil", kProperty, 250, kTrust, 62.5, 62.5, 0},
    {24, "Free Park", kNothing, 0, 0, 0, 0, 0},
    {25, "Starbucks", kProperty, 200, kTrust, 50, 50, 0},
    {26, "Freedom Tower", kProperty, 400, kBuilding, 100, 80, 200},
    {27, "CHANCE", kChance, 0, 0, 0, 0, 0},
    {28, "Empire State Bldg", kProperty, 350, kBuilding, 87.5, 70, 175},
    {29, "CASINO", kCasino, 0, 0, 0, 0, 0},
    {30, "Rockefeller Center", kProperty, 320, kBuilding, 80, 64, 160},
    {31, "NYC Taxi", kProperty, 150, kTrust, 37.5, 37.5, 0},
    {32, "Chrysler Bldg", kProperty, 320, kBuilding, 80, 64, 160},
    {33, "LUCK", kLuck, 0, 0, 0, 0, 0},
    {34, "Trump Building", kProperty, 280, kBuilding, 70, 56, 140},
    {35, "Mobil Oil", kProperty, 250, kTrust, 62.5, 62.5, 0},
    {36, "Go Into Jail", kGoIntoJail, 0, 0, 0, 0, 0},
    {37, "KFC", kProperty, 200, kTrust, 50, 50, 0},
    {38, "MetLife Bldg", kProperty, 250, kBuilding, 62.5, 50, 125},
    {39, "NYC Water", kProperty, 100, kUtility, 5, 5, 0},
    {40, "CitySpire", kProperty, 200, kBuilding, 50, 40, 100},
    {41, "CHANCE", kChance, 0, 0, 0, 0, 0},
    {42, "Trump World", kProperty, 220, kBuilding, 55, 44, 110},
    {43, "NYC Airlines", kProperty, 150, kTrust, 37.5, 37.5, 0},
    {44, "American Intl. Bldg", kProperty, 280, kBuilding, 70, 56, 140},
    {45, "LUXURY TAX", kTax, 75, 0, 0, 75, 0},
    {46, "One Liberty Plaza", kProperty, 180, kBuilding, 45, 36, 90},
    {47, "Chevron Oil", kProperty, 250, kTrust, 62.5, 62.5, 0},
};

TEST(InitBoard, WritesEverySquareWithItsStartingRents) {
  Game g;
  InitBoard(g);
  for (const SquareRow& row : kExpected) {
    SCOPED_TRACE(row.sq);
    const Square& s = g.Squares[row.sq];
    EXPECT_EQ(s.ShortName.Trimmed(), row.short_name);
    EXPECT_EQ(g.ShortNames[row.sq], row.short_name);
    EXPECT_EQ(s.Kind, row.kind);
    EXPECT_EQ(s.Price, row.price);
    EXPECT_EQ(s.TrustType, row.trust);
    EXPECT_EQ(s.BaseRent, Currency::FromDouble(row.base_rent));
    EXPECT_EQ(s.Rent, Currency::FromDouble(row.rent));
    EXPECT_EQ(s.UpgradeCost, Currency::FromDouble(row.upgrade));
    EXPECT_EQ(s.Owner, -1);
    EXPECT_EQ(s.Color, row.kind == kProperty ? kUnownedColor : 0u);
  }
  EXPECT_EQ(g.Squares[12].FullName.Trimmed(), "Jail");
  EXPECT_EQ(g.Squares[29].FullName.Trimmed(), "Atlantic City");
  EXPECT_EQ(g.Squares[kScratchSquare].ShortName.Trimmed(), "Temp Asset");
  EXPECT_EQ(g.Squares[kScratchSquare].FullName.Trimmed(), "New York Central Park");
  EXPECT_EQ(g.Salary, 200);
}

TEST(InitBoard, NamesEveryTrustMemberAfterItsTrust) {
  Game g;
  InitBoard(g);
  struct Trust {
    int first;
    int step;
    const char* name;
  } trusts[] = {
      {1, 12, "Fast-food Chain Trust (T.G.I Friday's & McDonald's & Starbucks & KFC)"},
      {7, 12, "NYC Urban Traffic Trust (NYC Bus & NYC Subway & NYC Taxi & NYC Airline)"},
      {11, 12, "Oil Trust (Exxon & Mobil & Chevron & Texaco)"},
      {15, 24, "NYC Utility Trust (NYC Water & NYC Electric)"},
  };
  int named = 0;
  for (const Trust& t : trusts)
    for (int s = t.first; s < kSquareCount; s += t.step) {
      EXPECT_EQ(g.Squares[s].GroupName.Trimmed(), t.name) << s;
      ++named;
    }
  EXPECT_EQ(named, 14);
  for (int s = 0; s < kSquareCount; ++s) {
    if (g.Squares[s].TrustType == kBuilding) {
      EXPECT_TRUE(g.Squares[s].GroupName.Empty()) << s;
    }
  }
}

TEST(InitBoard, RestoresAFreshBoardHoweverOftenItRuns) {
  Game g;
  InitBoard(g);
  // A game's worth of changes.
  for (int s = 0; s < kSquareCount; ++s) {
    Square& sq = g.Squares[s];
    sq.OwnerName = "Bob";
    sq.Price += 1000;
    sq.StarClass = 5;
    sq.CanUpgrade = true;
    sq.TrustComplete = true;
    sq.Rent = Currency::FromDollars(999);
    // Texts are left alone when they are already in place: one that was
    // changed must still be written back.
    sq.ShortName = "Renamed";
    sq.FullName = "Renamed Tower";
    sq.GroupName = "Renamed Trust";
    g.ShortNames[s] = "Renamed";
    SetOwner(g, s, 2);
    SetMortgaged(g, s, true);
  }
  g.LuckCards[3].Text = "Changed";
  g.ChanceCards[0].Text = "";
  g.Squares[kScratchSquare].Owner = 1;
  g.Squares[kScratchSquare].Rent = Currency::FromDollars(50);
  InitBoard(g);
  InitBoard(g);
  Game fresh;
  InitBoard(fresh);
  for (int s = 0; s < kSquareCount; ++s) {
    EXPECT_EQ(g.Squares[s].ShortName, fresh.Squares[s].ShortName) << s;
    EXPECT_EQ(g.Squares[s].FullName, fresh.Squares[s].FullName) << s;
    EXPECT_EQ(g.Squares[s].GroupName, fresh.Squares[s].GroupName) << s;
    EXPECT_EQ(g.ShortNames[s], fresh.ShortNames[s]) << s;
  }
  for (int i = 0; i < kDeckSize; ++i) {
    EXPECT_EQ(g.LuckCards[i].Text, fresh.LuckCards[i].Text) << i;
    EXPECT_EQ(g.ChanceCards[i].Text, fresh.ChanceCards[i].Text) << i;
  }
  for (int p = 0; p < kPlayerRecords; ++p) {
    EXPECT_EQ(g.OwnedSquares[p], 0u) << p;
    EXPECT_EQ(g.MortgagedSquares[p], 0u) << p;
  }
  EXPECT_EQ(g.TotalPrice, 7205);
  for (const SquareRow& row : kExpected) {
    const Square& s = g.Squares[row.sq];
    EXPECT_EQ(s.Price, row.price) << row.sq;
    EXPECT_EQ(s.Owner, -1) << row.sq;
    EXPECT_TRUE(s.OwnerName.Empty()) << row.sq;
    EXPECT_EQ(s.StarClass, 0) << row.sq;
    EXPECT_FALSE(s.Mortgaged) << row.sq;
    EXPECT_FALSE(s.CanUpgrade) << row.sq;
    EXPECT_FALSE(s.TrustComplete) << row.sq;
    EXPECT_EQ(s.Rent, Currency::FromDouble(row.rent)) << row.sq;
  }
  EXPECT_EQ(g.Squares[kScratchSquare].Owner, -1);
  EXPECT_EQ(g.Squares[kScratchSquare].Rent, Currency());
}

TEST(InitBoard, WritesBothDecks) {
  Game g;
  InitBoard(g);
  const int luck_amounts[kDeckSize] = {20,  25,  45, 150, 100, 50, 20, 100,
                                       100, 200, 0,  30,  100, 0,  50, 200};
  const int chance_amounts[kDeckSize] = {0, 0, 200, 0, 0, 0, 20, 0, 50, 0, 0, 50, 0, 150, 0, 200};
  for (int i = 0; i < kDeckSize; ++i) {
    EXPECT_EQ(g.LuckCards[i].Amount, luck_amounts[i]) << "luck " << i;
    EXPECT_EQ(g.ChanceCards[i].Amount, chance_amounts[i]) << "chance " << i;
    EXPECT_FALSE(g.LuckCards[i].Text.Empty());
    EXPECT_FALSE(g.ChanceCards[i].Text.Empty());
  }
  EXPECT_EQ(g.LuckCards[0].Text.Trimmed(), "Income tax refund\r\nCollect $20");
  EXPECT_EQ(g.LuckCards[10].Text.Trimmed(),
            "GO TO JAIL\r\nGo directly to jail\r\nDo not pass GO\r\nDo not collect $200");
  EXPECT_EQ(g.ChanceCards[5].Text.Trimmed(),
            "Advance to GE Bulding place.\r\n If you pass Go, Collect $200");
  EXPECT_EQ(g.ChanceCards[13].Text.Trimmed(), "Your building and loan matures .Collect $150");
  EXPECT_EQ(g.LuckCards[13].Text, g.ChanceCards[9].Text);
}

TEST(Board, GroupsAndTrustsFollowTheSquareNumbers) {
  std::set<int> buildings;
  for (int group = 1; group <= kGroupCount; ++group)
    for (int s : GroupSquares(group)) {
      EXPECT_EQ(BuildingGroup(s), group) << s;
      buildings.insert(s);
    }
  EXPECT_EQ(buildings.size(), 20u);
  EXPECT_EQ(BuildingGroup(12), 0);
  EXPECT_EQ(BuildingGroup(7), 0);
  const TrustRing oil = TrustMembers(35, kTrust);
  EXPECT_EQ(oil.count, 4);
  EXPECT_EQ(oil.members[1], 47);
  EXPECT_EQ(oil.members[2], 11);
  const TrustRing water = TrustMembers(39, kUtility);
  EXPECT_EQ(water.count, 2);
  EXPECT_EQ(water.members[1], 15);
}

TEST(FormatSquarePrices, ShowsPriceAndCurrentRent) {
  Game g;
  InitBoard(g);
  FormatSquarePrices(g);
  EXPECT_EQ(g.PriceRentText[1], "$200 / $50");
  EXPECT_EQ(g.PriceRentText[0], "$0 / $0");
  EXPECT_EQ(g.PriceRentText[5], "$200 / $200");
  EXPECT_EQ(g.PriceText[26], "$400");
  g.Squares[26].Price = 1350;
  g.Squares[26].Rent = Currency::FromDouble(62.5);
  FormatSquarePrices(g);
  EXPECT_EQ(g.PriceRentText[26], "$1,350 / $62");
}

}  // namespace
}  // namespace quorbis
