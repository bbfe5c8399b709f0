// The simulator's tally of many games and the summary it prints. Everything
// here depends only on the games played, so the same seed prints the same
// summary; the timing lines are printed apart, last.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

#include "robot/autoplay.h"

namespace quorbis::sim {

enum class SeatOrder {
  Given,      // the seats play in the order given, every game
  Alternate,  // game i starts with seat i mod n, the others following in order
  Random,     // the random rotation of the set-up dialog
};

struct SimOptions {
  std::vector<int> seats;  // levels, as given on the command line
  int64_t games = 100;
  uint64_t seed = 1;
  int64_t turn_cap = 5000;
  Dollars cash = 1500;
  SeatOrder order = SeatOrder::Given;
  std::string trace_path;
  bool timing = true;
};

constexpr int kCauseCount = 6;

class Tally {
 public:
  explicit Tally(int seat_count);

  // One game. `seat_of[k]` is the seat (as given) of the player who moved k-th.
  void Add(const AutoplayResult& r, std::span<const int> seat_of);
  void Print(std::FILE* out, const SimOptions& options, const Game& board,
             std::span<const int64_t> landings) const;

  int64_t games() const { return games_; }
  int64_t total_turns() const { return total_turns_; }

 private:
  int seat_count_;
  int64_t games_ = 0, finished_ = 0, capped_ = 0, stalled_ = 0;
  int64_t total_turns_ = 0;
  std::vector<int64_t> wins_by_seat_, bankrupt_by_seat_, wins_by_position_;
  std::vector<int64_t> finished_turns_;
  std::array<int64_t, kCauseCount> causes_{};
};

// The timing lines: games and player-turns per second of processor time (the
// measure that other programs on the machine disturb least), and the wall
// time taken.
void PrintTiming(std::FILE* out, int64_t games, int64_t turns, double cpu_seconds,
                 double wall_seconds);

}  // namespace quorbis::sim
