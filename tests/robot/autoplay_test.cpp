// Whole games of computer players through the real turn loop: they must end,
// keep the books straight at every turn, and never grow the stack.
#include "robot/autoplay.h"

#include <gtest/gtest.h>
#include <pthread.h>

#include <string>
#include <vector>

namespace quorbis {
namespace {

// Checks the state at the start of every turn (each throw or jail decision).
class TurnStartAudit final : public GameEventListener {
 public:
  std::vector<std::string> faults;
  int64_t checks = 0;

  void OnGameEvent(const Game& g, const GameEvent& e) override {
    if (e.type != EventType::Throw && e.type != EventType::JailStay &&
        e.type != EventType::JailBail && e.type != EventType::JailCard)
      return;
    // A jail decision is reported once settled, after a bail that ended the game.
    if (g.GameOver != 0) return;
    ++checks;
    if (faults.size() > 20) return;
    const auto fault = [&](const std::string& what) {
      faults.push_back("turn " + std::to_string(checks) + ": " + what);
    };
    for (int p = 0; p < g.PlayerCount; ++p) {
      const Player& pl = g.Players[p];
      if (pl.Bankrupt) continue;
      // A computer player settles every debt at once: sells, or goes bankrupt.
      if (pl.Cash < 0) fault(pl.Name.Trimmed() + " starts a turn with negative cash");
      if (pl.Deposit < 0 || pl.Loan < 0) fault(pl.Name.Trimmed() + " has a negative account");
    }
    if (g.Players[e.player].Bankrupt) fault("a bankrupt player takes a turn");
    for (int s = 1; s < kSquareCount; ++s) {
      const Square& sq = g.Squares[s];
      if (sq.Owner >= 0 && (sq.Owner >= g.PlayerCount || g.Players[sq.Owner].Bankrupt))
        fault("square " + std::to_string(s) + " held by a player who left");
      if (sq.Owner < 0 && sq.Mortgaged)
        fault("square " + std::to_string(s) + " mortgaged to nobody");
      if (sq.StarClass != 0 && sq.StarClass != 3 && sq.StarClass != 4 && sq.StarClass != 5)
        fault("square " + std::to_string(s) + " has star class " + std::to_string(sq.StarClass));
      if (sq.StarClass != 0 && sq.TrustType != kBuilding)
        fault("square " + std::to_string(s) + " is not a building but has stars");
    }
  }
};

TEST(Autoplay, GamesOfEveryMixEndAndKeepTheBooksAtEveryTurn) {
  const std::vector<std::vector<int>> mixes = {
      {kHard, kNormal, kEasy, kEasy}, {kHard, kEasy}, {kEasy, kHard}, {kNormal, kNormal, kNormal}};
  for (const auto& levels : mixes) {
    Autoplay autoplay(7);
    TurnStartAudit audit;
    autoplay.set_listener(&audit);
    int finished = 0;
    for (int game = 0; game < 30; ++game) {
      const AutoplayResult r = autoplay.Play(levels, 1500, 20000);
      EXPECT_FALSE(r.stalled) << "game " << game << " stopped with nobody to wait for";
      if (!r.finished) continue;
      ++finished;
      EXPECT_GE(r.bankrupt_player, 0);
      EXPECT_GE(r.winner, 0);
      EXPECT_NE(r.winner, r.bankrupt_player);
    }
    EXPECT_GT(finished, 0);
    EXPECT_GT(audit.checks, 0);
    EXPECT_TRUE(audit.faults.empty()) << ::testing::PrintToString(audit.faults);
    EXPECT_EQ(autoplay.front_end().stuck_modals, 0);
  }
}

TEST(Autoplay, SameSeedPlaysTheSameGames) {
  const std::vector<int> levels = {kHard, kNormal, kEasy};
  std::vector<int64_t> runs[2];
  for (auto& run : runs) {
    Autoplay autoplay(42);
    for (int game = 0; game < 20; ++game) {
      const AutoplayResult r = autoplay.Play(levels, 1500, 5000);
      run.insert(run.end(), {r.turns, r.winner, r.bankrupt_player, int64_t(r.bankrupt_cause)});
    }
  }
  EXPECT_EQ(runs[0], runs[1]);
}

// Ten thousand turns of computer players in a row on a 256 KiB stack: the next
// turn is posted, never called from inside the last one.
void* PlayTenThousandTurns(void* arg) {
  auto* turns = static_cast<int64_t*>(arg);
  Autoplay autoplay(3);
  const std::vector<int> levels = {kHard, kHard, kNormal, kEasy};
  for (int game = 0; game < 10000 && *turns < 10000; ++game)
    *turns += autoplay.Play(levels, 1500, 10000 - *turns).turns;
  return nullptr;
}

TEST(Autoplay, TenThousandTurnsFitASmallStack) {
  pthread_attr_t attr;
  ASSERT_EQ(pthread_attr_init(&attr), 0);
  ASSERT_EQ(pthread_attr_setstacksize(&attr, 256 * 1024), 0);
  int64_t turns = 0;
  pthread_t thread;
  ASSERT_EQ(pthread_create(&thread, &attr, PlayTenThousandTurns, &turns), 0);
  ASSERT_EQ(pthread_join(thread, nullptr), 0);
  pthread_attr_destroy(&attr);
  EXPECT_GE(turns, 10000);
}

}  // namespace
}  // namespace quorbis
