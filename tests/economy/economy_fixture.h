// Small helpers for the economy's tests: a player acting on a square the way
// the landing would have him do it.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "economy/transactions.h"
#include "support/game_fixture.h"

namespace quorbis::testing {

// Player p stands on square s and it is his turn.
inline void Stand(GameFixture& f, int p, int s) {
  f.g.CurPlayer = p;
  f.g.CurSquare = s;
  f.g.Players[p].Position = s < kSquareCount ? s : f.g.Players[p].Position;
}

// Player p buys square s through the transaction core (group rules included).
inline void Buy(GameFixture& f, int p, int s) {
  Stand(f, p, s);
  DoAssetAction(f.g, kBuy);
}

inline bool Contains(const std::vector<std::string>& texts, const std::string& text) {
  return std::find(texts.begin(), texts.end(), text) != texts.end();
}

inline int Count(const std::vector<Sound>& sounds, Sound s) {
  return static_cast<int>(std::count(sounds.begin(), sounds.end(), s));
}

}  // namespace quorbis::testing
