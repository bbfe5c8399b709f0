// Setting up a new game: the set-up dialog's rules as logic any window (or a
// test) can drive, building the players, and the reset of a new game.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "state/game_state.h"

namespace quorbis {

// The six colours a column can choose.
constexpr std::array<Rgb, 6> kPlayerColors = {
    RGB(255, 0, 0),    // red
    RGB(0, 192, 0),    // green
    RGB(0, 0, 255),    // blue
    RGB(255, 128, 0),  // orange
    RGB(0, 0, 0),      // black
    RGB(255, 0, 255),  // magenta
};
constexpr int kPortraitCount = 12;
constexpr int kCashLevels = 5;

// Keeps the three leading digits of an amount: 1201 -> 1200, 2402 -> 2400.
int64_t RoundCash(int64_t amount);
// Starting cash of level 0..4 for a board whose prices sum to `total_price`
// (1200, 1500, 1800, 2100, 2400 on the New York board).
int64_t StartingCash(int64_t total_price, int level);

// One column of the set-up dialog.
struct SetupColumn {
  bool takes_part = false;
  std::string name;
  int icon = 0;
  int color_index = 0;
  bool is_robot = false;  // "PC" when true, "User" when false
  int level = kEasy;
};

// The set-up dialog's state and rules, without any window.
class GameSetup {
 public:
  // Opening the dialog: the default columns, the names of the last game, a
  // fresh board (for the price total) and the default starting cash.
  explicit GameSetup(Game& g);

  const SetupColumn& column(int i) const { return columns_[i]; }
  int cash_level() const { return cash_level_; }
  int64_t starting_cash() const { return starting_cash_; }

  // A click on a column's take-part switch. Refused (false, nothing changes)
  // when the columns taking part would no longer hold at least one person and
  // at least two players.
  bool ToggleTakePart(int i);
  // Choosing "User" (false) or "PC" (true) for a column. Refused when no
  // taking-part column would be "User" any more: the column stays "User".
  bool SetRobot(int i, bool is_robot);
  void SetLevel(int i, int level);
  void SetName(int i, const std::string& name);
  // Previous / next portrait with wrap-around, and a direct choice.
  void StepIcon(int i, int delta);
  void SetIcon(int i, int icon);
  void SetColor(int i, int color_index);
  void SetCashLevel(int level);

  // Which controls of a column are enabled.
  bool ColumnEnabled(int i) const { return columns_[i].takes_part; }
  bool LevelEnabled(int i) const { return columns_[i].takes_part && columns_[i].is_robot; }

  // "Play": builds the players in turn order, seated by the random rotation.
  // `name_width` measures a name in the board's font (pixels).
  void CreatePlayers(const std::function<int(const std::string&)>& name_width);

 private:
  bool ValidCounts() const;

  Game& g_;
  std::array<SetupColumn, kMaxPlayers> columns_{};
  int cash_level_ = 1;
  int64_t starting_cash_ = 0;
};

// The rotation applied to the seating: player built as number k sits at
// (k + r + 1) mod count. r = the draw times (count - 1), rounded half to even,
// which is not uniform (with four players r = 0 and 3 each have 1/6).
int SeatingRotation(Rng& rng, int player_count);

// Resets the board and every game-wide flag for a new game built by
// `GameSetup::CreatePlayers`. Does not touch any window: the front end shows
// the new game and starts the turn loop through `BeginGame`.
void ResetForNewGame(Game& g);

}  // namespace quorbis
