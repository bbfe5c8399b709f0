// Which card a draw picks: the order from the dice total, the wrap from card
// 15 to card 0, and the reshuffle of a deck whose cards are all used.
#include <gtest/gtest.h>

#include <array>
#include <initializer_list>

#include "cards/card_test_support.h"
#include "cards/cards.h"
#include "support/game_fixture.h"

namespace quorbis::testing {
namespace {

struct DrawCase {
  const char* name;
  std::initializer_list<int> used;
  int roll;
  int expected;
};

TEST(CardDraw, PicksTheFirstUnusedCardFromTheRoll) {
  const DrawCase cases[] = {
      {"card at the roll", {}, 7, 7},
      {"used cards are skipped", {7, 8}, 7, 9},
      {"12 to 15 used, a 12 wraps to card 0", {12, 13, 14, 15}, 12, 0},
      {"wrap goes on past used low cards", {12, 13, 14, 15, 0, 1}, 12, 2},
      {"the one card left is found from any roll",
       {0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15},
       12,
       3},
      {"a lowest roll of 2 never reaches 0 or 1 first", {}, 2, 2},
  };
  for (int deck = 0; deck <= 1; ++deck) {
    for (const DrawCase& c : cases) {
      SCOPED_TRACE(std::string(c.name) + (deck ? " (Chance)" : " (Luck)"));
      GameFixture f;
      auto& cards = deck ? f.g.ChanceCards : f.g.LuckCards;
      for (int i : c.used) cards[i].Used = true;
      f.g.CardDeck = static_cast<int16_t>(deck);
      ASSERT_TRUE(NextThrowWillBe(f.g, c.roll));
      EXPECT_EQ(AutoDice(f.g), c.expected);
      // Choosing a card does not use it up; playing it does.
      EXPECT_FALSE(cards[c.expected].Used);
    }
  }
}

TEST(CardDraw, AUsedUpDeckIsResetBeforeTheDraw) {
  GameFixture f;
  for (Card& c : f.g.LuckCards) c.Used = true;
  f.g.ChanceCards[3].Used = true;
  f.g.CardDeck = 0;
  ASSERT_TRUE(NextThrowWillBe(f.g, 5));
  EXPECT_EQ(AutoDice(f.g), 5);
  for (const Card& c : f.g.LuckCards) EXPECT_FALSE(c.Used);
  // The other deck keeps its state.
  EXPECT_TRUE(f.g.ChanceCards[3].Used);
}

// Right after a reset the card drawn is the one at the roll, so the first
// card follows the dice: card 7 with 0.18, cards 2 and 12 with 0.01, and
// cards 0, 1, 13, 14 and 15 never.
TEST(CardDraw, FirstCardAfterAResetFollowsTheDice) {
  GameFixture f;
  f.g.rng.Seed(20240611);
  f.g.CardDeck = 1;
  constexpr int kDraws = 20000;
  std::array<int, kDeckSize> hits{};
  for (int n = 0; n < kDraws; ++n) {
    for (Card& c : f.g.ChanceCards) c.Used = true;
    const int k = AutoDice(f.g);
    ASSERT_GE(k, 0);
    ASSERT_LT(k, kDeckSize);
    ++hits[k];
  }
  for (int k = 0; k < kDeckSize; ++k) {
    SCOPED_TRACE("card " + std::to_string(k));
    const double p = DiceChance(k);
    if (p == 0) {
      EXPECT_EQ(hits[k], 0);
    } else {
      EXPECT_TRUE(MatchesChance(hits[k], kDraws, p));
    }
  }
}

}  // namespace
}  // namespace quorbis::testing
