// A game on the fresh board with a headless front end, for logic tests.
#pragma once

#include <initializer_list>
#include <string>

#include "engine/headless_front_end.h"
#include "state/board.h"
#include "state/game_state.h"

namespace quorbis::testing {

struct SeatSpec {
  std::string name;
  bool robot = false;
  int level = kEasy;
  Dollars cash = 1500;
};

// Builds a game with the given seats in that order (no seating rotation),
// the fresh board and the flags of a game that has just started, without
// running any turn.
class GameFixture {
 public:
  explicit GameFixture(std::initializer_list<SeatSpec> seats = {{"Ann"}, {"Bob", true}},
                       uint64_t seed = 1);

  Game g;
  HeadlessFrontEnd ui;

  Player& P(int i) { return g.Players[i]; }
  Square& S(int i) { return g.Squares[i]; }
  // Gives square `sq` to player `p` as a purchase would (owner fields,
  // colour, TAV and asset count), without running the group rules.
  void Own(int sq, int p);
};

}  // namespace quorbis::testing
