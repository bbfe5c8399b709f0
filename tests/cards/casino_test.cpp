// The casino: which totals win on each field, the casino window's refusals
// and settlement, and the computer players' stakes and choices.
#include <gtest/gtest.h>

#include <array>
#include <map>

#include "cards/card_test_support.h"
#include "cards/casino.h"
#include "engine/ui_calls.h"
#include "support/game_fixture.h"

namespace quorbis::testing {
namespace {

// The fields that win for each total, as letters.
TEST(Casino, EachTotalWinsOnItsFields) {
  const std::map<int, std::string> winners = {
      {2, "UY"}, {3, "LY"}, {4, "UY"},  {5, "LY"},  {6, "UY"},  {7, "LK"},
      {8, "UK"}, {9, "LK"}, {10, "UK"}, {11, "LK"}, {12, "KC"},
  };
  std::array<double, kBetFieldCount> chance{};
  for (const auto& [total, letters] : winners) {
    for (int field = 0; field < kBetFieldCount; ++field) {
      const bool wins = BetOutcomeFor(field, total) == field;
      EXPECT_EQ(wins, letters.find(BetCaption(field)) != std::string::npos)
          << BetCaption(field) << " on " << total;
      if (wins) chance[field] += DiceChance(total);
    }
  }
  // With the game's dice that makes these chances of winning.
  const double expected[kBetFieldCount] = {0.49, 0.50, 0.59, 0.41, 0.01};
  for (int field = 0; field < kBetFieldCount; ++field) {
    EXPECT_NEAR(chance[field], expected[field], 1e-9) << BetCaption(field);
  }
  EXPECT_EQ(BetPayout(kBetC, 15), 30);
  EXPECT_EQ(BetPayout(kBetK, 15), 15);
}

struct RefusalCase {
  const char* name;
  const char* typed;  // what reaches the stake box, typed or pasted
  int choice;
  const char* message;  // empty: the bet is played
};

TEST(Casino, PlayRefusesBadStakesAndAMissingChoice) {
  constexpr Dollars kCash = 500;
  const RefusalCase cases[] = {
      {"9 is below the minimum", "9", kBetK, "The minimum bet amount is 10. Please rebet."},
      {"an empty box is 0", "", kBetK, "The minimum bet amount is 10. Please rebet."},
      {"letters are dropped, leaving nothing", "ten", kBetK,
       "The minimum bet amount is 10. Please rebet."},
      {"cash + 1 is too much", "501", kBetK,
       "The bet amount is more than your cash. Please rebet."},
      {"a pasted sign is dropped: -600 is 600", "-600", kBetK,
       "The bet amount is more than your cash. Please rebet."},
      {"a number too long for any cash", "99999999999999999999999999", kBetK,
       "The bet amount is more than your cash. Please rebet."},
      {"no field chosen", "10", -1, "Please do a choice. What you wanna bet."},
      {"exactly 10 is played", "10", kBetK, ""},
      {"exactly the cash is played", "500", kBetK, ""},
      {"leading zeros are harmless", "0000000000000000000000000010", kBetK, ""},
  };
  for (const RefusalCase& c : cases) {
    SCOPED_TRACE(c.name);
    GameFixture f({{"Ann", false, kEasy, kCash}, {"Bob", true}});
    f.ui.on_modal = [&](GameWindow w) {
      ASSERT_EQ(w, GameWindow::Casino);
      if (c.choice >= 0) CasinoChoose(f.g, c.choice);
      CasinoSetAmountText(f.g, c.typed);
      const bool played = CasinoPlay(f.g);
      EXPECT_EQ(played, std::string(c.message).empty());
      if (!played) {
        // Refused: the window stays open and nothing changes.
        EXPECT_TRUE(f.ui.IsOpen(GameWindow::Casino));
        EXPECT_EQ(f.P(0).Cash, kCash);
        CasinoCancel(f.g);
      }
    };
    OpenCasinoWindow(f.g);
    EXPECT_EQ(f.ui.stuck_modals, 0);
    EXPECT_FALSE(f.g.BetDialogOpen);
    if (std::string(c.message).empty()) {
      EXPECT_TRUE(f.ui.message_boxes.empty());
      EXPECT_NE(f.P(0).Cash, kCash);
    } else {
      EXPECT_EQ(f.ui.message_boxes, std::vector<std::string>{std::string("Bet: ") + c.message});
    }
  }
}

TEST(Casino, TheStakeBoxKeepsOnlyWhatAKeyPressWouldKeep) {
  GameFixture f;
  CasinoSetAmountText(f.g, "1a2.5 x");
  EXPECT_EQ(f.g.BetAmountText, "125");
  EXPECT_TRUE(CasinoKeyAccepted('7'));
  EXPECT_TRUE(CasinoKeyAccepted(8));
  EXPECT_FALSE(CasinoKeyAccepted('-'));
  EXPECT_FALSE(CasinoKeyAccepted('.'));
}

struct SettleCase {
  const char* name;
  int choice;
  int total;
  Dollars change;
  const char* tip;
};

TEST(Casino, APlayedBetIsSettledByTheThrow) {
  const SettleCase cases[] = {
      {"C on 12 pays twice", kBetC, 12, +40, "Congratulations Ann! You won $40 in Atlantic City"},
      {"U on 12 loses", kBetU, 12, -20, "Sorry Ann! You lost $20 in Atlantic City"},
      {"L on 7 wins", kBetL, 7, +20, "Congratulations Ann! You won $20 in Atlantic City"},
      {"Y on 7 loses", kBetY, 7, -20, "Sorry Ann! You lost $20 in Atlantic City"},
  };
  for (const SettleCase& c : cases) {
    SCOPED_TRACE(c.name);
    GameFixture f;
    f.ui.on_modal = [&](GameWindow) {
      CasinoChoose(f.g, kBetK);
      CasinoChoose(f.g, c.choice);  // the last choice counts
      CasinoSetAmountText(f.g, "20");
      ASSERT_TRUE(NextThrowWillBe(f.g, c.total));
      f.ui.sounds.clear();
      EXPECT_TRUE(CasinoPlay(f.g));
    };
    // The window shows the total by the time the bet is settled.
    std::string dice_shown;
    f.ui.on_event = [&](const GameEvent& e) {
      if (e.type == EventType::Bet) dice_shown = CasinoWindowFor(f.g).dice;
    };
    OpenCasinoWindow(f.g);
    EXPECT_EQ(f.P(0).Cash, 1500 + c.change);
    EXPECT_EQ(f.ui.tips, std::vector<std::string>{c.tip});
    EXPECT_EQ(f.ui.sounds,
              (std::vector<Sound>{Sound::Throw, c.change > 0 ? Sound::Win : Sound::Lost}));
    EXPECT_EQ(dice_shown, std::to_string(c.total));
    EXPECT_FALSE(f.g.BetDialogOpen);
  }
}

TEST(Casino, WithSoundOffTheResultComesASecondAfterTheThrow) {
  GameFixture f;
  f.g.SoundOff = true;
  int64_t before = 0;
  f.ui.on_modal = [&](GameWindow) {
    CasinoChoose(f.g, kBetK);
    before = f.ui.clock_ms;
    CasinoPlay(f.g);
  };
  OpenCasinoWindow(f.g);
  ASSERT_EQ(f.ui.tips.size(), 1u);
  EXPECT_GE(f.ui.clock_ms - before, 1000);
  EXPECT_TRUE(f.ui.sounds.empty());
}

TEST(Casino, CancelLeavesWithoutABet) {
  GameFixture f;
  f.ui.on_modal = [&](GameWindow) {
    CasinoChoose(f.g, kBetC);
    CasinoCancel(f.g);
  };
  OpenCasinoWindow(f.g);
  EXPECT_EQ(f.P(0).Cash, 1500);
  EXPECT_FALSE(f.g.BetDialogOpen);
  EXPECT_TRUE(f.ui.tips.empty());
  // The next visit starts afresh.
  f.ui.on_modal = [&](GameWindow) {
    EXPECT_EQ(f.g.BetChoice, -1);
    EXPECT_EQ(f.g.BetAmountText, "10");
    CasinoCancel(f.g);
  };
  OpenCasinoWindow(f.g);
}

// Records the computer players' bets.
struct BetLog {
  std::vector<GameEvent> bets;
  explicit BetLog(GameFixture& f) {
    f.ui.on_event = [this](const GameEvent& e) {
      if (e.type == EventType::Bet) bets.push_back(e);
    };
  }
};

TEST(Casino, ComputerPlayersStakeByLevel) {
  struct Case {
    const char* name;
    int level;
    Dollars cash;
    Dollars stake;  // 0: no bet
  };
  const Case cases[] = {
      {"Easy with 100 does not bet", kEasy, 100, 0},
      {"Easy with 101 bets 10", kEasy, 101, 10},
      {"Easy stakes 10 however rich", kEasy, 5000, 10},
      {"Normal with 100 does not bet", kNormal, 100, 0},
      {"Normal with 105 bets 10 (10.5 to even)", kNormal, 105, 10},
      {"Normal with 115 bets 12 (11.5 to even)", kNormal, 115, 12},
      {"Hard with 200 does not bet", kHard, 200, 0},
      {"Hard with 300 bets 40", kHard, 300, 40},
      {"Hard with 201 bets 27", kHard, 201, 27},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    GameFixture f({{"Ann"}, {"Bob", true, c.level, c.cash}});
    BetLog log(f);
    f.g.CurPlayer = 1;
    RobotBet(f.g);
    if (c.stake == 0) {
      EXPECT_TRUE(log.bets.empty());
      EXPECT_EQ(f.P(1).Cash, c.cash);
      continue;
    }
    ASSERT_EQ(log.bets.size(), 1u);
    const GameEvent& bet = log.bets[0];
    EXPECT_EQ(bet.a, c.stake);
    const Dollars change = bet.other == 1 ? BetPayout(static_cast<int>(bet.b), c.stake) : -c.stake;
    EXPECT_EQ(f.P(1).Cash, c.cash + change);
    EXPECT_GE(f.P(1).Cash, 0);
  }
}

// Over many bets the fields chosen follow the stated chances: Easy and
// Normal U 0.1, L, K, Y, C 0.2 each and a losing non-choice 0.1; Hard U 0.1,
// L 0.2, K 0.7 and never Y or C.
TEST(Casino, ComputerPlayersChooseFieldsWithTheStatedChances) {
  struct Case {
    int level;
    std::array<double, 6> chance;
  };
  const Case cases[] = {
      {kEasy, {0.1, 0.2, 0.2, 0.2, 0.2, 0.1}},
      {kNormal, {0.1, 0.2, 0.2, 0.2, 0.2, 0.1}},
      {kHard, {0.1, 0.2, 0.7, 0, 0, 0}},
  };
  constexpr int kBets = 20000;
  for (const Case& c : cases) {
    SCOPED_TRACE("level " + std::to_string(c.level));
    GameFixture f({{"Ann"}, {"Bob", true, c.level}}, 77);
    f.ui.wants_text = false;
    BetLog log(f);
    f.g.CurPlayer = 1;
    for (int n = 0; n < kBets; ++n) {
      f.P(1).Cash = 1000;
      RobotBet(f.g);
    }
    ASSERT_EQ(log.bets.size(), static_cast<size_t>(kBets));
    std::array<int, 6> hits{};
    for (const GameEvent& bet : log.bets) {
      ASSERT_GE(bet.b, 0);
      ASSERT_LE(bet.b, 5);
      ++hits[bet.b];
      // The non-choice never wins, and a 12 never wins on U or L.
      if (bet.b == 5) {
        EXPECT_EQ(bet.other, 0);
      }
      if (bet.square == 12 && bet.b <= kBetL) {
        EXPECT_EQ(bet.other, 0);
      }
    }
    for (int k = 0; k < 6; ++k) {
      if (c.chance[k] == 0) {
        EXPECT_EQ(hits[k], 0) << "field " << k;
      } else {
        EXPECT_TRUE(MatchesChance(hits[k], kBets, c.chance[k])) << "field " << k;
      }
    }
  }
}

}  // namespace
}  // namespace quorbis::testing
