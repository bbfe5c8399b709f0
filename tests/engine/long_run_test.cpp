// Long randomized games: the state stays sound after every step, people
// clicking at random are never left without a way forward, and a long run of
// computer turns keeps the stack flat.
#include <gtest/gtest.h>
#include <pthread.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <sstream>
#include <string>

#include "engine/turn.h"
#include "support/fuzz_driver.h"
#include "support/game_fixture.h"
#include "support/invariants.h"

namespace quorbis {
namespace {

using testing::CheckInvariants;
using testing::FuzzDriver;
using testing::FuzzResult;
using testing::GameFixture;
using testing::SeatSpec;

std::string Describe(const std::vector<std::string>& lines) {
  std::ostringstream out;
  for (const std::string& l : lines) out << "\n  " << l;
  return out.str();
}

// Runs `body` on a thread with a stack of `bytes`.
void RunOnSmallStack(size_t bytes, void (*body)(void*), void* arg) {
  struct Call {
    void (*body)(void*);
    void* arg;
  } call{body, arg};
  pthread_attr_t attr;
  pthread_attr_init(&attr);
  ASSERT_EQ(pthread_attr_setstacksize(&attr, bytes), 0);
  pthread_t thread;
  auto start = [](void* p) -> void* {
    auto* c = static_cast<Call*>(p);
    c->body(c->arg);
    return nullptr;
  };
  ASSERT_EQ(pthread_create(&thread, &attr, start, &call), 0);
  pthread_join(thread, nullptr);
  pthread_attr_destroy(&attr);
}

struct ComputerMarathon {
  int turns = 0;
  int games = 0;
  bool stuck = false;
  uintptr_t deepest = 0;  // bytes of stack below the driver's frame
};

void PlayComputerMarathon(void* arg) {
  auto* run = static_cast<ComputerMarathon*>(arg);
  char base = 0;
  const auto top = reinterpret_cast<uintptr_t>(&base);
  uintptr_t lowest = top;
  for (uint64_t seed = 1; run->turns < 10000; ++seed) {
    auto fx = std::make_unique<GameFixture>(std::initializer_list<SeatSpec>{{"Ann", true, kEasy},
                                                                            {"Bob", true, kNormal},
                                                                            {"Cat", true, kHard},
                                                                            {"Dan", true, kEasy}},
                                            seed);
    fx->ui.wants_text = false;
    fx->ui.on_event = [&](const GameEvent& e) {
      if (e.type != EventType::Throw) return;
      ++run->turns;
      char probe = 0;
      lowest = std::min(lowest, reinterpret_cast<uintptr_t>(&probe));
    };
    ++run->games;
    MainLoop(fx->g);
    while (fx->g.EndedEpoch != fx->g.GameEpoch && run->turns < 10000) {
      if (fx->ui.RunUntilIdle(1) == 0) {
        run->stuck = true;
        return;
      }
    }
  }
  run->deepest = top - lowest;
}

TEST(ComputerTurns, TenThousandInARowRunOnASmallStack) {
  ComputerMarathon run;
  RunOnSmallStack(256 * 1024, PlayComputerMarathon, &run);
  EXPECT_FALSE(run.stuck);
  EXPECT_GE(run.turns, 10000);
  // However many turns ran, a throw is never far from where the turns began.
  EXPECT_LT(run.deepest, 96u * 1024) << "over " << run.games << " games";
}

// Plays computer games from several seeds for `throws` throws each, checking
// every invariant after every posted step.
TEST(RandomGames, ComputerGamesKeepEveryInvariant) {
  for (uint64_t seed : {11u, 12u, 13u, 14u}) {
    SCOPED_TRACE(seed);
    int throws = 0;
    int games = 0;
    bool broken = false;
    while (throws < 3000 && !broken) {
      GameFixture fx({{"Ann", true, kHard},
                      {"Bob", true, kNormal},
                      {"Cat", true, kEasy},
                      {"Dan", true, kHard}},
                     seed * 1000 + static_cast<uint64_t>(games));
      ++games;
      fx.ui.on_event = [&](const GameEvent& e) { throws += e.type == EventType::Throw; };
      MainLoop(fx.g);
      while (fx.g.EndedEpoch != fx.g.GameEpoch && throws < 3000) {
        const std::vector<std::string> bad = CheckInvariants(fx.g);
        if (!bad.empty()) {
          ADD_FAILURE() << "game " << games << ", after throw " << throws << ":" << Describe(bad);
          broken = true;
          break;
        }
        if (fx.ui.RunUntilIdle(1) == 0) {
          ADD_FAILURE() << "a game of computer players stopped by itself";
          broken = true;
          break;
        }
      }
    }
  }
}

struct FuzzCase {
  const char* name;
  std::initializer_list<SeatSpec> seats;
};

// Every person answers whatever window is open with a random enabled button
// (the action bar and the bankrupt picture included).
TEST(RandomGames, PeopleClickingAtRandomAreNeverStuck) {
  const FuzzCase cases[] = {
      {"four people", {{"Ann"}, {"Bob"}, {"Cat"}, {"Dan"}}},
      {"two people and two computers",
       {{"Ann"}, {"Bob", true, kHard}, {"Cat"}, {"Dan", true, kNormal}}},
      {"one person against a computer, little cash",
       {{"Ann", false, kEasy, 300}, {"Bob", true, kEasy, 300}}},
  };
  for (const FuzzCase& c : cases) {
    for (uint64_t seed = 1; seed <= 4; ++seed) {
      SCOPED_TRACE(std::string(c.name) + ", seed " + std::to_string(seed));
      int games = 0;
      int throws = 0;
      while (throws < 1500) {
        GameFixture fx(c.seats, seed * 100 + static_cast<uint64_t>(games));
        ++games;
        FuzzDriver driver(fx.g, fx.ui, seed * 7919 + static_cast<uint64_t>(games));
        std::string broken;
        driver.after_step = [&](const std::string& step) {
          if (!broken.empty()) return;
          const std::vector<std::string> bad = CheckInvariants(fx.g);
          if (bad.empty()) return;
          // The end of the history tells what led there.
          const std::vector<std::string>& h = fx.ui.history;
          const std::vector<std::string> tail(h.end() - std::min<size_t>(h.size(), 8), h.end());
          broken = "after " + step + ":" + Describe(bad) + "\n history:" + Describe(tail);
        };
        StartNewGame(fx.g);
        const FuzzResult r = driver.Play(1500 - throws);
        throws += std::max(r.throws, 1);
        ASSERT_TRUE(broken.empty()) << "game " << games << " " << broken;
        ASSERT_TRUE(r.stuck.empty())
            << "game " << games << " after " << r.throws << " throws: " << r.stuck;
        EXPECT_EQ(fx.ui.stuck_modals, 0);
        if (!r.ended) break;
        EXPECT_EQ(fx.ui.returned_to_title, 1);
      }
    }
  }
}

}  // namespace
}  // namespace quorbis
