// A game on the fresh board with a headless front end, for logic tests.
#pragma once

#include <initializer_list>
#include <string>

#include "engine/headless_front_end.h"
#include "state/board.h"
#include "state/game_state.h"
#include "state/holdings.h"

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
  GameFixture(const GameFixture&) = delete;
  GameFixture& operator=(const GameFixture&) = delete;

  Game g;
  HeadlessFrontEnd ui;

  Player& P(int i) { return g.Players[i]; }
  Square& S(int i) { return g.Squares[i]; }
  // Gives square `sq` to player `p` as a purchase would (owner fields,
  // colour, TAV and asset count), without running the group rules.
  void Own(int sq, int p);
  // Puts player `p`'s token on `square` and makes him the current player.
  void Seat(int p, int square);
  // Sets the generator so that the next throws (RollDice) give `totals` in
  // that order. Other draws in between (cards, bets) shift the sequence.
  void NextThrows(std::initializer_list<int> totals);
  // Starts the current player's turn and runs posted work until idle.
  void Begin();
  // Runs posted work (the computer players' turns) until idle.
  int Run() { return ui.RunUntilIdle(); }
  // Lays the token points out on a simple square board (each square 60
  // pixels, travel anticlockwise from GO at the bottom right), for tests of
  // the animation frames.
  void LayOutTokens();
};

}  // namespace quorbis::testing
