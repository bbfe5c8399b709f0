// The invariant check that guards the long randomized games must see each
// kind of broken state, or those games prove nothing.
#include "support/invariants.h"

#include <gtest/gtest.h>

#include <functional>

#include "economy/bankruptcy.h"
#include "support/game_fixture.h"

namespace quorbis {
namespace {

using testing::CheckInvariants;
using testing::GameFixture;

TEST(CheckInvariants, ASoundGameHasNoViolation) {
  GameFixture fx({{"Ann"}, {"Bob"}, {"Cat"}});
  fx.Own(2, 0);
  fx.Own(7, 1);
  SetMortgaged(fx.g, 7, true);
  fx.P(1).TAV -= fx.S(7).Price;
  UpdateRanking(fx.g);
  EXPECT_TRUE(CheckInvariants(fx.g).empty());
}

TEST(CheckInvariants, FindsEachKindOfBrokenState) {
  struct Case {
    const char* name;
    std::function<void(GameFixture&)> spoil;
  } cases[] = {
      {"a token off the board", [](GameFixture& f) { f.P(1).Position = 48; }},
      {"a tax square with an owner", [](GameFixture& f) { f.S(5).Owner = 0; }},
      {"a bankrupt player who still owns a square",
       [](GameFixture& f) {
         f.Own(2, 1);
         f.P(1).Bankrupt = true;
       }},
      {"an asset count that misses a square", [](GameFixture& f) { f.P(0).AssetCount = 0; }},
      {"an owner name from another player", [](GameFixture& f) { f.S(4).OwnerName = "Bob"; }},
      {"an owned square in the wrong colour", [](GameFixture& f) { f.S(4).Color = kUnownedColor; }},
      {"a worth that missed a payment", [](GameFixture& f) { f.P(0).Cash -= 10; }},
      {"negative cash with no debt open",
       [](GameFixture& f) {
         f.P(2).Cash = -5;
         UpdateRanking(f.g);
       }},
      {"the scratch square left borrowed", [](GameFixture& f) { f.S(kScratchSquare).Owner = 1; }},
      {"a throw button shown during a throw",
       [](GameFixture& f) {
         f.g.DiceDialogOpen = true;
         f.g.DiceMode = 0;
         f.g.Rolling = true;
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    GameFixture fx({{"Ann"}, {"Bob"}, {"Cat"}});
    fx.Own(4, 0);
    UpdateRanking(fx.g);
    ASSERT_TRUE(CheckInvariants(fx.g).empty());
    c.spoil(fx);
    EXPECT_FALSE(CheckInvariants(fx.g).empty());
  }
}

// The sets of squares and the ranked worths are kept beside the board for
// speed; a copy that went stale must show up even when the board itself is
// sound.
TEST(CheckInvariants, FindsStaleCopiesOfTheBoardAndTheWorths) {
  struct Case {
    const char* name;
    std::function<void(Game&)> spoil;
    const char* expected;
  } cases[] = {
      {"a square missing from its owner's set", [](Game& g) { g.OwnedSquares[0] &= ~SquareBit(4); },
       "OwnedSquares"},
      {"a square in a second player's set", [](Game& g) { g.OwnedSquares[1] |= SquareBit(4); },
       "OwnedSquares"},
      {"a mortgage the board does not have", [](Game& g) { g.MortgagedSquares[0] |= SquareBit(4); },
       "MortgagedSquares"},
      {"rankings worked out from old worths", [](Game& g) { g.RankedWorth[1] += 1; },
       "was ranked at worth"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    GameFixture fx({{"Ann"}, {"Bob"}, {"Cat"}});
    fx.Own(4, 0);
    UpdateRanking(fx.g);
    ASSERT_TRUE(CheckInvariants(fx.g).empty());
    c.spoil(fx.g);
    const std::vector<std::string> found = CheckInvariants(fx.g);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_NE(found[0].find(c.expected), std::string::npos) << found[0];
  }
}

}  // namespace
}  // namespace quorbis
