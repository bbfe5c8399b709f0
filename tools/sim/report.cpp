#include "report.h"

#include <algorithm>
#include <numeric>

#include "trace.h"

namespace quorbis::sim {

namespace {

double Share(int64_t part, int64_t whole) {
  return whole > 0 ? 100.0 * static_cast<double>(part) / static_cast<double>(whole) : 0.0;
}

const char* OrderName(SeatOrder o) {
  switch (o) {
    case SeatOrder::Given:
      return "as given";
    case SeatOrder::Alternate:
      return "alternating";
    case SeatOrder::Random:
      return "random rotation";
  }
  return "";
}

}  // namespace

Tally::Tally(int seat_count)
    : seat_count_(seat_count),
      wins_by_seat_(seat_count),
      bankrupt_by_seat_(seat_count),
      wins_by_position_(seat_count) {}

void Tally::Add(const AutoplayResult& r, std::span<const int> seat_of) {
  ++games_;
  total_turns_ += r.turns;
  if (r.capped) ++capped_;
  if (r.stalled) ++stalled_;
  if (!r.finished) return;
  ++finished_;
  finished_turns_.push_back(r.turns);
  auto seat = [&](int player) {
    return player >= 0 && player < static_cast<int>(seat_of.size()) ? seat_of[player] : -1;
  };
  if (const int s = seat(r.winner); s >= 0) {
    ++wins_by_seat_[s];
    ++wins_by_position_[r.winner];
  }
  if (const int s = seat(r.bankrupt_player); s >= 0) {
    ++bankrupt_by_seat_[s];
    const int cause = static_cast<int>(r.bankrupt_cause);
    if (cause >= 0 && cause < kCauseCount) ++causes_[cause];
  }
}

void Tally::Print(std::FILE* out, const SimOptions& o, const Game& board,
                  std::span<const int64_t> landings) const {
  std::fprintf(out, "Games: %lld (seed %llu, seat order %s, turn cap %lld, cash $%lld)\n",
               static_cast<long long>(games_), static_cast<unsigned long long>(o.seed),
               OrderName(o.order), static_cast<long long>(o.turn_cap),
               static_cast<long long>(o.cash));
  std::fprintf(out, "Finished: %lld   stopped at the turn cap: %lld   stalled: %lld\n\n",
               static_cast<long long>(finished_), static_cast<long long>(capped_),
               static_cast<long long>(stalled_));

  std::fprintf(out, "Seat  Level    Wins   Win %%  Bankrupt\n");
  for (int s = 0; s < seat_count_; ++s) {
    std::fprintf(out, "%4d  %-6s %6lld  %6.2f  %8lld\n", s + 1, LevelName(o.seats[s]),
                 static_cast<long long>(wins_by_seat_[s]), Share(wins_by_seat_[s], finished_),
                 static_cast<long long>(bankrupt_by_seat_[s]));
  }
  if (o.order != SeatOrder::Given) {
    std::fprintf(out, "Wins by turn order:");
    for (int k = 0; k < seat_count_; ++k) {
      std::fprintf(out, "  %d%s %lld", k + 1,
                   k == 0   ? "st"
                   : k == 1 ? "nd"
                   : k == 2 ? "rd"
                            : "th",
                   static_cast<long long>(wins_by_position_[k]));
    }
    std::fprintf(out, "\n");
  }

  std::vector<int64_t> turns = finished_turns_;
  std::sort(turns.begin(), turns.end());
  std::fprintf(out, "\nTurns per finished game: ");
  if (turns.empty()) {
    std::fprintf(out, "none\n");
  } else {
    const double mean = static_cast<double>(std::accumulate(turns.begin(), turns.end(), 0LL)) /
                        static_cast<double>(turns.size());
    const size_t n = turns.size();
    const double median = n % 2 ? static_cast<double>(turns[n / 2])
                                : (static_cast<double>(turns[n / 2 - 1] + turns[n / 2])) / 2.0;
    std::fprintf(out, "mean %.1f, median %.1f, max %lld\n", mean, median,
                 static_cast<long long>(turns.back()));
  }

  std::fprintf(out, "Bankruptcies by cause:");
  for (int c = 0; c < kCauseCount; ++c) {
    std::fprintf(out, " %s %lld%s", CauseName(static_cast<DebtCause>(c)),
                 static_cast<long long>(causes_[c]), c + 1 < kCauseCount ? "," : "\n");
  }

  const int64_t all = std::accumulate(landings.begin(), landings.end(), int64_t{0});
  std::fprintf(out, "\nLandings (%lld in all)\nSquare  Name                   Landings      %%\n",
               static_cast<long long>(all));
  for (size_t s = 0; s < landings.size(); ++s) {
    std::fprintf(out, "%6zu  %-20s %10lld  %5.2f\n", s,
                 board.Squares[s].ShortName.Trimmed().c_str(), static_cast<long long>(landings[s]),
                 Share(landings[s], all));
  }
}

void PrintTiming(std::FILE* out, int64_t games, int64_t turns, double cpu_seconds,
                 double wall_seconds) {
  const double s = std::max(cpu_seconds, 1e-9);
  std::fprintf(out, "\nTime: %.3f s of processor time (%.3f s elapsed)\n", cpu_seconds,
               wall_seconds);
  std::fprintf(out, "Speed: %.1f games/s, %.0f player-turns/s, %.0f ns per player-turn\n",
               static_cast<double>(games) / s, static_cast<double>(turns) / s,
               turns > 0 ? s * 1e9 / static_cast<double>(turns) : 0.0);
}

}  // namespace quorbis::sim
