#include "economy/manage.h"

#include <gtest/gtest.h>

#include <set>

#include "economy/disposal.h"
#include "economy/economy_fixture.h"
#include "economy/transactions.h"
#include "engine/ui_calls.h"

namespace quorbis {
namespace {

using testing::Buy;
using testing::Contains;
using testing::GameFixture;
using testing::Stand;

// Ann (a person) holds the whole Green group with 6 at 5 stars, a mortgaged
// Red 8, and the trust member 1; Bob holds Red 10.
void Prepare(GameFixture& f) {
  f.P(0).Cash = 5000;
  for (int s : {1, 2, 4, 6, 8}) Buy(f, 0, s);
  Stand(f, 0, 8);
  DisposeAsset(f.g, 8, kMortgage);
  f.S(6).StarClass = 5;
  Buy(f, 1, 10);
  f.g.CurPlayer = 0;
  f.ui.ClearRecords();
}

struct AssetDialog : ::testing::Test {
  GameFixture f;
  void SetUp() override { Prepare(f); }
};

TEST_F(AssetDialog, CardsOfferedByMode) {
  struct Case {
    int mode;
    std::set<int> enabled;
  } cases[] = {
      {kSell, {1, 2, 4, 6}},
      {kMortgage, {1, 2, 4, 6}},
      {kUnmortgage, {8}},
      {kUpgrade, {2, 4}},  // 6 is at the top class; 1 is a trust member
  };
  for (const Case& c : cases) {
    std::set<int> enabled;
    for (int k = 1; k < kSquareCount; ++k)
      if (ManageCardEnabled(f.g, k, c.mode)) enabled.insert(k);
    EXPECT_EQ(enabled, c.enabled) << ManageTitle(c.mode);
  }
}

TEST_F(AssetDialog, CardPicturesFollowGroupClassAndMode) {
  struct Case {
    int square;
    int mode;
    CardPictures set;
    int index;
  } cases[] = {
      {2, kSell, CardPictures::Green, 0},     {6, kUpgrade, CardPictures::Green, 5},
      {8, kUnmortgage, CardPictures::Red, 1}, {8, kSell, CardPictures::Own, 0},
      {1, kMortgage, CardPictures::Own, 1},   {10, kSell, CardPictures::Own, 0},
      {1, kUpgrade, CardPictures::Own, 0},
  };
  for (const Case& c : cases) {
    const CardLook look = ManageCardLook(f.g, c.square, c.mode);
    EXPECT_EQ(look.set, c.set) << c.square << " in " << ManageTitle(c.mode);
    EXPECT_EQ(look.index, c.index) << c.square << " in " << ManageTitle(c.mode);
  }
  SetMortgaged(f.g, 1, true);
  EXPECT_EQ(ManageCardLook(f.g, 1, kUnmortgage).set, CardPictures::Trust);
  EXPECT_EQ(ManageCardLook(f.g, 1, kUnmortgage).index, 1);
}

TEST_F(AssetDialog, NoUpgradeInAGroupWithAMortgagedBuilding) {
  Stand(f, 0, 4);
  DisposeAsset(f.g, 4, kMortgage);
  for (int s : {2, 4, 6}) EXPECT_FALSE(ManageCardEnabled(f.g, s, kUpgrade)) << s;
}

TEST_F(AssetDialog, ClicksCarryOutTheModeAndReportToTheHistory) {
  OpenManageDialog(f.g, kSell, false);
  ASSERT_TRUE(f.g.ManageDialogOpen);
  ManageCardClick(f.g, 1);
  EXPECT_EQ(f.S(1).Owner, -1);
  EXPECT_EQ(f.P(0).Cash, 5000 - 200 - 80 - 80 - 100 - 110 + 55 + 140);
  EXPECT_EQ(f.S(1).Rent, f.S(1).BaseRent) << "a sold trust member is back to its base rent";
  EXPECT_TRUE(Contains(f.ui.history, "Ann sold T.G.I Friday's"));
  EXPECT_TRUE(f.ui.tips.empty()) << "the dialog reports to the history only";

  f.S(6).StarClass = 4;
  OpenManageDialog(f.g, kUpgrade, false);
  ManageCardClick(f.g, 6);
  EXPECT_EQ(f.S(6).StarClass, 5);
  EXPECT_EQ(f.S(6).Rent, f.S(6).BaseRent * 16);
  EXPECT_TRUE(Contains(f.ui.history, "Ann upgraded Carnegie Hall to 5 Stars Class"));
  EXPECT_FALSE(ManageCardEnabled(f.g, 6, kUpgrade));
}

TEST(AssetDialogClick, RefusesWhatTheCashDoesNotCover) {
  struct Case {
    int mode;
    int square;
    Dollars cash;
    const char* tip;
  } cases[] = {
      {kUnmortgage, 8, 70, "You have no enough cash to unmortgage."},  // costs 71.5 -> 72
      {kUpgrade, 2, 39, "You have no enough cash to upgrade."},        // costs 40
  };
  for (const Case& c : cases) {
    GameFixture h;
    Prepare(h);
    h.P(0).Cash = c.cash;
    const Square before = h.S(c.square);
    OpenManageDialog(h.g, c.mode, false);
    ManageCardClick(h.g, c.square);
    EXPECT_TRUE(Contains(h.ui.tips, c.tip));
    EXPECT_EQ(h.P(0).Cash, c.cash);
    EXPECT_EQ(h.S(c.square).Mortgaged, before.Mortgaged);
    EXPECT_EQ(h.S(c.square).StarClass, before.StarClass);
  }
}

TEST_F(AssetDialog, EachClickIsCheckedForTheModeInForceThen) {
  // The command bar switches the mode of the open dialog; a click must not
  // act on a card the new mode does not offer.
  OpenManageDialog(f.g, kMortgage, false);
  ManageCardClick(f.g, 2);
  const Dollars cash = f.P(0).Cash;
  ManageCardClick(f.g, 2);
  EXPECT_EQ(f.P(0).Cash, cash) << "no second mortgage";
  OpenManageDialog(f.g, kSell, false);
  EXPECT_EQ(f.g.ManageMode, kSell);
  ManageCardClick(f.g, 2);
  EXPECT_EQ(f.S(2).Owner, 0) << "a mortgaged square is not sold";
  OpenManageDialog(f.g, kUpgrade, false);
  f.S(1).CanUpgrade = true;  // a stale flag must not make a trust member upgradable
  ManageCardClick(f.g, 1);
  EXPECT_EQ(f.S(1).StarClass, 0);
  ManageCardClick(f.g, 10);
  EXPECT_EQ(f.S(10).Owner, 1) << "another player's square";
  EXPECT_EQ(f.P(0).Cash, cash);
}

TEST_F(AssetDialog, BelongsToThePlayerWhoOpenedIt) {
  OpenManageDialog(f.g, kSell, false);
  f.g.CurPlayer = 1;  // the turn has passed
  ManageCardClick(f.g, 10);
  EXPECT_EQ(f.S(10).Owner, 1);
  EXPECT_FALSE(f.g.ManageDialogOpen);
  f.P(0).Bankrupt = true;
  f.g.CurPlayer = 0;
  OpenManageDialog(f.g, kSell, false);
  EXPECT_FALSE(f.g.ManageDialogOpen) << "a bankrupt player gets no dialog";
}

TEST(AssetDialogDone, ResumesTheTurnOnceTheDebtIsPaid) {
  struct Case {
    const char* name;
    int resume;
    bool card_window_open;
    int dice_mode;  // the dice window shown after Done (-1 none)
    int resume_after;
  } cases[] = {
      {"a landing: the end of the turn", -1, false, 1, -1},
      {"0 works as -1", 0, false, 1, -1},
      {"a card: its continuation ends the turn", 4, false, 1, -1},
      {"bail: the turn starts again with a throw", 8, false, 0, -1},
      {"a loan: the bank visit goes on by itself", 1, false, -1, 1},
      {"the card window still up hands the turn on itself", 4, true, -1, 4},
  };
  for (const Case& c : cases) {
    GameFixture h;
    Prepare(h);
    // At -100 after a rent, he mortgages a square for 125.
    Buy(h, 0, 11);
    h.P(0).Cash = -100;
    h.g.DebtPending = true;
    h.g.ResumeAfterManage = c.resume;
    if (c.card_window_open) OpenWindow(h.g, GameWindow::Card, WindowMode::Modeless);
    OpenManageDialog(h.g, kMortgage, false);
    ManageCardClick(h.g, 11);
    EXPECT_EQ(h.P(0).Cash, 25);
    ManageDone(h.g);
    h.ui.RunUntilIdle();
    EXPECT_FALSE(h.g.ManageDialogOpen) << c.name;
    EXPECT_FALSE(h.g.DebtPending) << c.name;
    EXPECT_EQ(h.g.ResumeAfterManage, c.resume_after) << c.name;
    EXPECT_EQ(h.ui.IsOpen(GameWindow::Dice), c.dice_mode >= 0) << c.name;
    if (c.dice_mode >= 0) {
      EXPECT_EQ(h.g.DiceMode, c.dice_mode) << c.name;
    }
  }
}

TEST_F(AssetDialog, DoneWhileStillShortClosesWithoutResuming) {
  f.P(0).Cash = -100;
  f.g.DebtPending = true;
  f.ui.bankrupt_button = true;
  OpenManageDialog(f.g, kMortgage, false);
  ManageCardClick(f.g, 2);  // +40: still -60
  ManageDone(f.g);
  EXPECT_FALSE(f.g.ManageDialogOpen);
  EXPECT_TRUE(f.g.DebtPending);
  EXPECT_TRUE(f.ui.bankrupt_button);
  EXPECT_FALSE(f.ui.IsOpen(GameWindow::Dice));
  EXPECT_FALSE(ManageGiveUpOffered(f.g)) << "the bankrupt picture is the way out here";
}

TEST_F(AssetDialog, HidesThePropertyDialogAndBringsItBack) {
  OpenWindow(f.g, GameWindow::Property, WindowMode::Modeless);
  OpenManageDialog(f.g, kSell, false);
  EXPECT_FALSE(f.g.DetailDialogOpen);
  ManageDone(f.g);
  EXPECT_TRUE(f.g.DetailDialogOpen);
  EXPECT_TRUE(f.ui.IsOpen(GameWindow::Property));
}

TEST_F(AssetDialog, TextsForTheModeAndTheCardUnderTheMouse) {
  EXPECT_EQ(ManageTitle(kUnmortgage), "Unmortgage");
  EXPECT_EQ(ManageHint(kMortgage),
            "Mouse over the card to see details. And click the card to mortgage");
  struct Case {
    int square;
    int mode;
    const char* detail;
  } cases[] = {
      {8, kUnmortgage, "One Worldwide Plaza\nUnmortgage Value: 72"},
      {8, kSell, "One Worldwide Plaza\nSell Value: 77"},
      {8, kMortgage, "One Worldwide Plaza\nMortgage Value: 55"},
      {8, kUpgrade, "One Worldwide Plaza\nUpgrade Value: 55"},
  };
  for (const Case& c : cases) EXPECT_EQ(ManageHoverFor(f.g, c.square, c.mode).detail, c.detail);
  const ManageHover hover = ManageHoverFor(f.g, 8, kSell);
  EXPECT_EQ(hover.name, "Worldwide Plaza");
  EXPECT_EQ(hover.price, "$110");
  EXPECT_EQ(hover.picture, 8);
}

TEST(AssetDialogGrid, HoldsEveryPropertySquareOnce) {
  GameFixture f;
  std::set<int> squares;
  for (const ManageGridCell& c : ManageGrid()) {
    EXPECT_EQ(f.S(c.square).Kind, kProperty) << c.square;
    squares.insert(c.square);
  }
  EXPECT_EQ(squares.size(), 34u);
  const auto grid = ManageGrid();
  EXPECT_EQ(grid.front().square, 2);
  EXPECT_EQ(grid.front().left, 2790);
  EXPECT_EQ(grid.front().top, 840);
  EXPECT_EQ(grid.back().square, 47);
  EXPECT_EQ(grid.back().left, 4560 + 3 * 390);
  EXPECT_EQ(grid.back().top, 840 + 4 * 420);
}

}  // namespace
}  // namespace quorbis
