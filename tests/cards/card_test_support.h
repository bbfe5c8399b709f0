// Helpers shared by the card, casino and jail tests.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "engine/front_end.h"
#include "engine/turn.h"
#include "state/game_state.h"

namespace quorbis::testing {

// Seeds the game's generator so that the next dice throw totals `total`. The
// search asks the real `RollDice`, so it holds whatever the throw draws.
inline ::testing::AssertionResult NextThrowWillBe(Game& g, int total) {
  for (uint64_t seed = 1; seed < 20000; ++seed) {
    g.rng.Seed(seed);
    if (RollDice(g) == total) {
      g.rng.Seed(seed);
      return ::testing::AssertionSuccess();
    }
  }
  return ::testing::AssertionFailure() << "no seed throws " << total;
}

// Leaves exactly one card of a deck unused, so that the next draw is it.
inline void OnlyCardLeft(Game& g, int deck, int index) {
  auto& cards = deck != 0 ? g.ChanceCards : g.LuckCards;
  for (int i = 0; i < kDeckSize; ++i) cards[i].Used = i != index;
}

inline int Count(const std::vector<Sound>& sounds, Sound s) {
  return static_cast<int>(std::count(sounds.begin(), sounds.end(), s));
}

inline bool Contains(const std::vector<std::string>& lines, const std::string& text) {
  return std::find(lines.begin(), lines.end(), text) != lines.end();
}

// The chance of each dice total 2..12 (index = total): two dice of 1..6
// where 1 and 6 are half as likely as the other faces.
inline double DiceChance(int total) {
  static constexpr double kChance[13] = {0,    0,    0.01, 0.04, 0.08, 0.12, 0.16,
                                         0.18, 0.16, 0.12, 0.08, 0.04, 0.01};
  return total >= 2 && total <= 12 ? kChance[total] : 0.0;
}

// Whether `hits` out of `n` is within five standard deviations of chance `p`
// (a sound test that a wrong distribution fails and a right one passes
// whatever the seed).
inline ::testing::AssertionResult MatchesChance(int hits, int n, double p) {
  const double expected = n * p;
  const double sigma = std::sqrt(n * p * (1 - p));
  if (std::abs(hits - expected) <= 5 * sigma + 1e-9) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << hits << " of " << n << ", expected about " << expected;
}

}  // namespace quorbis::testing
