#include "state/new_game.h"

#include <string>

#include "engine/front_end.h"
#include "state/board.h"

namespace quorbis {

int64_t RoundCash(int64_t amount) {
  if (amount <= 0) return amount;
  const std::string digits = std::to_string(amount);
  if (digits.size() <= 3) return amount;
  int64_t lead = std::stoll(digits.substr(0, 3));
  for (size_t i = 3; i < digits.size(); ++i) lead *= 10;
  return lead;
}

int64_t StartingCash(int64_t total_price, int level) {
  const double t = static_cast<double>(total_price);
  const int64_t base = HalfEven(t / 6.0);
  const int64_t amount = HalfEven(level * t / 24.0 + static_cast<double>(base));
  return RoundCash(amount);
}

GameSetup::GameSetup(Game& g) : g_(g) {
  g_.SetupDialogOpen = true;
  g_.ExitRequested = false;
  for (Player& p : g_.Players) p = Player{};
  for (int i = 0; i < kMaxPlayers; ++i) {
    SetupColumn& c = columns_[i];
    c.takes_part = i < 2;
    c.is_robot = i != 0;
    c.level = kEasy;
    c.icon = (i % 2 == 0) ? i : i + 5;
    c.color_index = i;
    c.name = "Player" + std::to_string(i + 1);
    const std::string remembered = g_.PlayerNames[i].Trimmed();
    if (!remembered.empty()) c.name = remembered;
  }
  InitBoard(g_);
  SetCashLevel(1);
}

bool GameSetup::ValidCounts() const {
  int people = 0;
  int robots = 0;
  for (const SetupColumn& c : columns_) {
    if (!c.takes_part) continue;
    (c.is_robot ? robots : people) += 1;
  }
  return !(people < 2 && (people == 0 || robots == 0));
}

bool GameSetup::ToggleTakePart(int i) {
  columns_[i].takes_part = !columns_[i].takes_part;
  if (!ValidCounts()) {
    columns_[i].takes_part = !columns_[i].takes_part;
    return false;
  }
  return true;
}

bool GameSetup::SetRobot(int i, bool is_robot) {
  columns_[i].is_robot = is_robot;
  bool any_person = false;
  for (const SetupColumn& c : columns_) any_person |= c.takes_part && !c.is_robot;
  if (!any_person) {
    columns_[i].is_robot = false;
    return false;
  }
  return true;
}

void GameSetup::SetLevel(int i, int level) {
  if (level >= kEasy && level <= kHard) columns_[i].level = level;
}

void GameSetup::SetName(int i, const std::string& name) {
  columns_[i].name = FirstCharacters(name, 8);
}

void GameSetup::StepIcon(int i, int delta) {
  int icon = columns_[i].icon + delta;
  if (icon < 0) icon = kPortraitCount - 1;
  if (icon >= kPortraitCount) icon = 0;
  columns_[i].icon = icon;
}

void GameSetup::SetIcon(int i, int icon) {
  if (icon >= 0 && icon < kPortraitCount) columns_[i].icon = icon;
}

void GameSetup::SetColor(int i, int color_index) {
  if (color_index >= 0 && color_index < static_cast<int>(kPlayerColors.size()))
    columns_[i].color_index = color_index;
}

void GameSetup::SetCashLevel(int level) {
  if (level < 0) level = 0;
  if (level >= kCashLevels) level = kCashLevels - 1;
  cash_level_ = level;
  starting_cash_ = StartingCash(g_.TotalPrice, level);
}

int SeatingRotation(Rng& rng, int player_count) {
  const float draw = rng.NextSingle();
  return static_cast<int>(HalfEven(static_cast<double>(draw) * (player_count - 1)));
}

void GameSetup::CreatePlayers(const std::function<int(const std::string&)>& name_width) {
  g_.PlayerCount = 0;
  int j = 0;
  for (int i = 0; i < kMaxPlayers; ++i) {
    const SetupColumn& c = columns_[i];
    if (!c.takes_part) continue;
    Player& p = g_.Players[j];
    p = Player{};
    g_.PlayerCount += 1;
    p.Name = c.name;
    g_.PlayerNames[i] = c.name;
    p.Color = kPlayerColors[c.color_index];
    p.Icon = c.icon;
    p.ColorIndex = c.color_index;
    p.Cash = starting_cash_;
    p.Worth = p.Cash;
    p.Ranking = 1;
    p.Position = 0;
    p.PassedGo = true;
    p.NameWidth = name_width ? name_width(p.Name.Trimmed()) : 0;
    if (c.is_robot) {
      p.IsRobot = true;
      p.Level = c.level;
    }
    ++j;
  }
  const int count = g_.PlayerCount;
  const int r = SeatingRotation(g_.rng, count);
  std::array<Player, kMaxPlayers> seated;
  for (int k = 0; k < count; ++k) seated[(k + r + 1) % count] = g_.Players[k];
  for (int k = 0; k < count; ++k) g_.Players[k] = seated[k];
  g_.SetupDialogOpen = false;
}

void ResetForNewGame(Game& g) {
  InitBoard(g);
  g.GameRunning = true;
  g.Rolling = false;
  g.Moving = false;
  g.GameOver = 0;
  g.ExitRequested = false;
  g.CurSquare = 0;
  g.CurPlayer = 0;
  g.DebtPending = false;
  g.ResumeAfterManage = -1;
  g.JailTurnOver = false;
  g.DiceMode = 0;
  g.LastDice = 0;
  g.HoverSquare = -1;
  g.ShortfallAtTurnStart.fill(false);
  // The players were seated afresh: rank them afresh at the first refresh.
  g.RankedCount = -1;
  g.GameEpoch += 1;
  // The price labels are for a board somebody looks at; a simulation with no
  // reader of texts skips them, as every later refresh does.
  if (g.ui == nullptr || g.ui->WantsText()) FormatSquarePrices(g);
  for (Card& c : g.LuckCards) c.Used = false;
  for (Card& c : g.ChanceCards) c.Used = false;
}

}  // namespace quorbis
