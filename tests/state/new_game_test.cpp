#include "state/new_game.h"

#include <gtest/gtest.h>

#include <array>

#include "state/board.h"

namespace quorbis {
namespace {

int NoWidth(const std::string& name) {
  return static_cast<int>(name.size()) * 10;
}

TEST(StartingCash, FiveLevelsOnTheNewYorkBoard) {
  const int64_t expected[kCashLevels] = {1200, 1500, 1800, 2100, 2400};
  for (int level = 0; level < kCashLevels; ++level)
    EXPECT_EQ(StartingCash(7205, level), expected[level]) << level;
}

TEST(RoundCash, KeepsTheThreeLeadingDigits) {
  struct Case {
    int64_t in, out;
  } cases[] = {{1201, 1200}, {2402, 2400},     {1501, 1500}, {999, 999}, {12, 12},
               {1999, 1990}, {123456, 123000}, {1000, 1000}, {0, 0}};
  for (const Case& c : cases) EXPECT_EQ(RoundCash(c.in), c.out) << c.in;
}

TEST(GameSetup, DefaultsToOnePersonAndOneComputerWith1500) {
  Game g;
  GameSetup setup(g);
  EXPECT_TRUE(setup.column(0).takes_part);
  EXPECT_TRUE(setup.column(1).takes_part);
  EXPECT_FALSE(setup.column(2).takes_part);
  EXPECT_FALSE(setup.column(0).is_robot);
  EXPECT_TRUE(setup.column(1).is_robot);
  EXPECT_EQ(setup.column(0).name, "Player1");
  EXPECT_EQ(setup.column(3).name, "Player4");
  const int icons[] = {0, 6, 2, 8};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(setup.column(i).icon, icons[i]);
  EXPECT_EQ(setup.starting_cash(), 1500);
  EXPECT_EQ(g.TotalPrice, 7205);
}

TEST(GameSetup, TakePartAndKindRulesKeepAPersonAndTwoPlayers) {
  struct Step {
    const char* what;
    int column;
    bool toggle;  // true: the take-part switch; false: the kind list
    bool robot;
    bool accepted;
  };
  // From the default columns: person 0, computer 1.
  const Step steps[] = {
      {"untick the only computer while one person plays", 1, true, false, false},
      {"untick the only person", 0, true, false, false},
      {"the last person becomes a computer", 0, false, true, false},
      {"tick column 2 (a computer)", 2, true, false, true},
      {"now the first computer may leave", 1, true, false, true},
      {"column 2 becomes a person", 2, false, false, true},
      {"two people: one of them may become a computer", 0, false, true, true},
      {"...but not the last one", 2, false, true, false},
      {"two people without a computer may play", 0, false, false, true},
      {"untick a person while another plays: allowed only with a computer", 2, true, false, false},
  };
  Game g;
  GameSetup setup(g);
  for (const Step& s : steps) {
    const bool ok = s.toggle ? setup.ToggleTakePart(s.column) : setup.SetRobot(s.column, s.robot);
    EXPECT_EQ(ok, s.accepted) << s.what;
  }
  EXPECT_FALSE(setup.column(2).is_robot);
  EXPECT_TRUE(setup.ColumnEnabled(2));
  EXPECT_FALSE(setup.ColumnEnabled(1));
  EXPECT_FALSE(setup.LevelEnabled(0));
  setup.SetRobot(3, true);
  EXPECT_FALSE(setup.LevelEnabled(3)) << "a column that does not take part";
  setup.ToggleTakePart(3);
  EXPECT_TRUE(setup.LevelEnabled(3));
}

TEST(GameSetup, PortraitsWrapAround) {
  Game g;
  GameSetup setup(g);
  setup.StepIcon(0, -1);
  EXPECT_EQ(setup.column(0).icon, 11);
  setup.StepIcon(0, +1);
  EXPECT_EQ(setup.column(0).icon, 0);
  setup.SetIcon(1, 11);
  setup.StepIcon(1, +1);
  EXPECT_EQ(setup.column(1).icon, 0);
}

TEST(CreatePlayers, MapsTakingPartColumnsToPlayersAndRemembersNames) {
  Game g;
  g.rng.Seed(7);
  GameSetup setup(g);
  setup.ToggleTakePart(1);  // refused: the only computer
  ASSERT_TRUE(setup.ToggleTakePart(2));
  ASSERT_TRUE(setup.ToggleTakePart(1));  // now columns 0 and 2
  setup.SetName(2, "Carla");
  setup.SetColor(2, 5);
  setup.SetIcon(2, 9);
  setup.SetLevel(2, kHard);
  setup.SetCashLevel(4);
  setup.CreatePlayers(NoWidth);
  ASSERT_EQ(g.PlayerCount, 2);
  // Whatever the rotation, the player built from column 2 keeps its column's choices.
  const int carla = g.Players[0].Name.Trimmed() == "Carla" ? 0 : 1;
  const Player& p = g.Players[carla];
  EXPECT_TRUE(p.IsRobot);
  EXPECT_EQ(p.Level, kHard);
  EXPECT_EQ(p.ColorIndex, 5);
  EXPECT_EQ(p.Color, RGB(255, 0, 255));
  EXPECT_EQ(p.Icon, 9);
  EXPECT_EQ(p.Cash, 2400);
  EXPECT_EQ(p.Worth, 2400);
  EXPECT_EQ(p.Ranking, 1);
  EXPECT_TRUE(p.PassedGo);
  EXPECT_EQ(p.NameWidth, 50);
  EXPECT_EQ(g.Players[1 - carla].Name.Trimmed(), "Player1");
  // The next dialog shows the names again in their columns.
  GameSetup next(g);
  EXPECT_EQ(next.column(2).name, "Carla");
  EXPECT_EQ(next.column(0).name, "Player1");
}

TEST(CreatePlayers, NamesAreCutToEightCharactersInTheDialog) {
  Game g;
  GameSetup setup(g);
  setup.SetName(0, "Maximilian");
  EXPECT_EQ(setup.column(0).name, "Maximili");
}

TEST(SeatingRotation, FollowsTheRoundedDrawsNonUniformDistribution) {
  Rng rng(12345);
  constexpr int kDraws = 120000;
  std::array<int, 4> four{};
  std::array<int, 2> two{};
  for (int i = 0; i < kDraws; ++i) ++four[SeatingRotation(rng, 4)];
  for (int i = 0; i < kDraws; ++i) ++two[SeatingRotation(rng, 2)];
  const double expected_four[] = {1.0 / 6, 1.0 / 3, 1.0 / 3, 1.0 / 6};
  for (int r = 0; r < 4; ++r)
    EXPECT_NEAR(four[r] / static_cast<double>(kDraws), expected_four[r], 0.01) << r;
  EXPECT_NEAR(two[0] / static_cast<double>(kDraws), 0.5, 0.01);
}

TEST(CreatePlayers, RotationKeepsTheOrderAroundTheTable) {
  for (uint64_t seed = 1; seed <= 20; ++seed) {
    Game g;
    g.rng.Seed(seed);
    GameSetup setup(g);
    setup.ToggleTakePart(2);
    setup.ToggleTakePart(3);
    setup.CreatePlayers(NoWidth);
    ASSERT_EQ(g.PlayerCount, 4);
    // Player k of the game is column (k - r - 1) mod 4: consecutive columns.
    const std::string first = g.Players[0].Name.Trimmed();
    const int start = first.back() - '1';
    for (int k = 0; k < 4; ++k)
      EXPECT_EQ(g.Players[k].Name.Trimmed(), "Player" + std::to_string((start + k) % 4 + 1));
  }
}

TEST(NewGame, InheritsNothingFromTheLastGame) {
  Game g;
  GameSetup setup(g);
  setup.CreatePlayers(NoWidth);
  ResetForNewGame(g);
  // The last game: debts, jail, cards, bank, ownership and flags.
  for (Player& p : g.Players) {
    p.Cash = -40;
    p.Deposit = 500;
    p.Loan = 300;
    p.InJail = true;
    p.JailCards = 2;
    p.JailTurns = 1;
    p.Bankrupt = true;
    p.AssetCount = 3;
    p.TAV = 900;
    p.Position = 17;
  }
  g.Squares[2].Owner = 0;
  g.Squares[2].CanUpgrade = true;
  g.LuckCards[3].Used = true;
  g.ChanceCards[15].Used = true;
  g.GameOver = 1;
  g.Rolling = true;
  g.DebtPending = true;
  g.ResumeAfterManage = 8;
  g.CurPlayer = 1;
  g.CurSquare = 33;

  GameSetup again(g);
  again.CreatePlayers(NoWidth);
  ResetForNewGame(g);
  for (int i = 0; i < g.PlayerCount; ++i) {
    const Player& p = g.Players[i];
    EXPECT_EQ(p.Cash, 1500);
    EXPECT_EQ(p.Deposit, 0);
    EXPECT_EQ(p.Loan, 0);
    EXPECT_FALSE(p.InJail);
    EXPECT_EQ(p.JailCards, 0);
    EXPECT_EQ(p.JailTurns, 0);
    EXPECT_FALSE(p.Bankrupt);
    EXPECT_EQ(p.AssetCount, 0);
    EXPECT_EQ(p.TAV, 0);
    EXPECT_EQ(p.Position, 0);
  }
  for (int i = g.PlayerCount; i < kPlayerRecords; ++i) EXPECT_EQ(g.Players[i].Cash, 0);
  EXPECT_EQ(g.Squares[2].Owner, -1);
  EXPECT_FALSE(g.Squares[2].CanUpgrade);
  EXPECT_FALSE(g.LuckCards[3].Used);
  EXPECT_FALSE(g.ChanceCards[15].Used);
  EXPECT_EQ(g.GameOver, 0);
  EXPECT_FALSE(g.Rolling);
  EXPECT_FALSE(g.DebtPending);
  EXPECT_EQ(g.ResumeAfterManage, -1);
  EXPECT_EQ(g.CurPlayer, 0);
  EXPECT_EQ(g.CurSquare, 0);
  EXPECT_TRUE(g.GameRunning);
}

}  // namespace
}  // namespace quorbis
