// Whole games of Hard computer players through the engine's real turn loop,
// with nobody watching: games per second and player-turns per second.
#include <benchmark/benchmark.h>

#include <vector>

#include "robot/autoplay.h"

namespace quorbis {
namespace {

constexpr Dollars kStartingCash = 1500;
constexpr int64_t kTurnCap = 5000;

void HardGames(benchmark::State& state) {
  const std::vector<int> levels(static_cast<size_t>(state.range(0)), kHard);
  Autoplay autoplay(1);
  int64_t games = 0;
  int64_t turns = 0;
  for (auto _ : state) {
    const AutoplayResult r = autoplay.Play(levels, kStartingCash, kTurnCap);
    benchmark::DoNotOptimize(r.winner);
    ++games;
    turns += r.turns;
  }
  using benchmark::Counter;
  state.counters["games/s"] = Counter(static_cast<double>(games), Counter::kIsRate);
  state.counters["turns/s"] = Counter(static_cast<double>(turns), Counter::kIsRate);
  state.counters["s/turn"] =
      Counter(static_cast<double>(turns), Counter::kIsRate | Counter::kInvert);
  state.counters["turns/game"] = Counter(static_cast<double>(turns) / static_cast<double>(games));
}
BENCHMARK(HardGames)->Arg(2)->Arg(4)->ArgName("players")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quorbis

BENCHMARK_MAIN();
