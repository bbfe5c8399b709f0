// Whole games of Hard computer players through the engine's real turn loop,
// with nobody watching: games per second and player-turns per second.
#include <benchmark/benchmark.h>

#include <vector>

#include "robot/autoplay.h"
#include "robot/robot.h"

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

// Positions taken from the middle of real games, every player to move once.
class MidGamePositions final : public GameEventListener {
 public:
  std::vector<Game> positions;
  void OnGameEvent(const Game& g, const GameEvent& e) override {
    if (e.type == EventType::Throw && ++throws_ % 97 == 0) positions.push_back(g);
  }

 private:
  int64_t throws_ = 0;
};

std::vector<Game>& Positions() {
  static Autoplay autoplay(11);
  static std::vector<Game> positions = [] {
    MidGamePositions taker;
    autoplay.set_listener(&taker);
    const std::vector<int> levels = {kHard, kHard, kNormal, kNormal};
    while (taker.positions.size() < 16) autoplay.Play(levels, kStartingCash, kTurnCap);
    autoplay.set_listener(nullptr);
    // Let each player do what his cash allows, so that what is measured below
    // is the common case: a landing after which there is nothing to manage.
    for (Game& g : taker.positions) {
      for (int p = 0; p < g.PlayerCount; ++p) {
        g.CurPlayer = p;
        RobotManageAssets(g);
      }
    }
    return std::move(taker.positions);
  }();
  return positions;
}

// The housekeeping every computer player runs after each landing.
void ManageAssetsAfterLanding(benchmark::State& state) {
  std::vector<Game>& positions = Positions();
  size_t i = 0;
  for (auto _ : state) {
    Game& g = positions[i++ % positions.size()];
    g.CurPlayer = static_cast<int>(i % static_cast<size_t>(g.PlayerCount));
    RobotManageAssets(g);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(ManageAssetsAfterLanding);

// The banking reserve: how far the game has advanced, and the dearest square.
void ReserveAtTheBank(benchmark::State& state) {
  std::vector<Game>& positions = Positions();
  size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(RobotReserve(positions[i++ % positions.size()]));
}
BENCHMARK(ReserveAtTheBank);

}  // namespace
}  // namespace quorbis

BENCHMARK_MAIN();
