// The game's events account for every dollar: replaying the money they
// report gives each player's cash, deposit and loan at the start of every
// turn, in whole games of every level.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "cards/casino.h"
#include "engine/turn.h"
#include "robot/autoplay.h"
#include "support/fuzz_driver.h"
#include "support/game_fixture.h"

namespace quorbis {
namespace {

class Ledger final : public GameEventListener {
 public:
  std::vector<std::string> faults;
  int64_t checks = 0;

  void OnGameEvent(const Game& g, const GameEvent& e) override {
    const int p = e.player;
    switch (e.type) {
      case EventType::GameStarted:
        for (int i = 0; i < kPlayerRecords; ++i)
          books_[i] = {g.Players[i].Cash, g.Players[i].Deposit, g.Players[i].Loan};
        break;
      case EventType::Throw:
      case EventType::JailStay:
      case EventType::JailBail:
      case EventType::JailCard:
        Check(g);
        break;
      case EventType::Salary:
      case EventType::Credit:
      case EventType::Sale:
      case EventType::Mortgage:
        books_[p].cash += e.a;
        break;
      case EventType::Payment:
        books_[p].cash -= e.a;
        if (e.other >= 0) books_[e.other].cash += e.a;
        break;
      case EventType::Purchase:
      case EventType::Unmortgage:
      case EventType::Upgrade:
        books_[p].cash -= e.a;
        break;
      case EventType::Takeover:
        books_[p].cash -= e.a;
        books_[e.other].cash += e.b;
        break;
      case EventType::Deposit:
        books_[p].cash -= e.a;
        books_[p].deposit += e.a;
        break;
      case EventType::Withdrawal:
        books_[p].cash += e.a;
        books_[p].deposit -= e.a;
        break;
      case EventType::Loan:
        books_[p].cash += e.a;
        books_[p].loan += e.a;
        break;
      case EventType::LoanRepaid:
        books_[p].cash -= e.a;
        books_[p].loan -= e.a;
        break;
      case EventType::Interest:
        books_[p].deposit += e.a;
        books_[p].loan += e.b;
        break;
      case EventType::Bet:
        books_[p].cash += e.other == 1 ? BetPayout(static_cast<int>(e.b), e.a) : -e.a;
        break;
      default:
        break;
    }
  }

 private:
  struct Account {
    Dollars cash = 0;
    Dollars deposit = 0;
    Dollars loan = 0;
  };

  void Check(const Game& g) {
    ++checks;
    for (int i = 0; i < g.PlayerCount && faults.size() < 10; ++i) {
      const Player& pl = g.Players[i];
      if (pl.Bankrupt) continue;
      const Account& b = books_[i];
      if (pl.Cash != b.cash || pl.Deposit != b.deposit || pl.Loan != b.loan)
        faults.push_back("check " + std::to_string(checks) + ", player " + std::to_string(i) +
                         ": cash " + std::to_string(pl.Cash) + " deposit " +
                         std::to_string(pl.Deposit) + " loan " + std::to_string(pl.Loan) +
                         ", the events say " + std::to_string(b.cash) + " / " +
                         std::to_string(b.deposit) + " / " + std::to_string(b.loan));
    }
  }

  std::array<Account, kPlayerRecords> books_{};
};

TEST(Ledger, EventsAccountForEveryDollarOfEveryPlayer) {
  const std::vector<std::vector<int>> mixes = {
      {kHard, kNormal, kEasy, kEasy}, {kHard, kHard}, {kNormal, kEasy, kNormal}};
  for (const auto& levels : mixes) {
    Autoplay autoplay(11);
    Ledger ledger;
    autoplay.set_listener(&ledger);
    for (int game = 0; game < 20; ++game) autoplay.Play(levels, 1500, 5000);
    EXPECT_GT(ledger.checks, 1000);
    EXPECT_TRUE(ledger.faults.empty()) << ::testing::PrintToString(ledger.faults);
  }
}

// People clicking at random: the asset dialog, the bank dialog with careless
// amounts, giving up; the books still balance.
TEST(Ledger, HoldsWhenPeopleClickAtRandom) {
  for (uint64_t seed = 1; seed <= 6; ++seed) {
    testing::GameFixture fx({{"Ann", false, kEasy, 600}, {"Bob"}, {"Cat", true, kHard, 600}}, seed);
    testing::FuzzDriver driver(fx.g, fx.ui, seed * 31);
    Ledger ledger;
    auto driver_events = fx.ui.on_event;
    fx.ui.on_event = [&](const GameEvent& e) {
      driver_events(e);
      ledger.OnGameEvent(fx.g, e);
    };
    StartNewGame(fx.g);
    driver.Play(600);
    EXPECT_GT(ledger.checks, 20) << seed;
    EXPECT_TRUE(ledger.faults.empty()) << seed << ::testing::PrintToString(ledger.faults);
  }
}

}  // namespace
}  // namespace quorbis
