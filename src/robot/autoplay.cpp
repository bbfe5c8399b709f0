#include "robot/autoplay.h"

#include <algorithm>
#include <string>

#include "engine/turn.h"
#include "state/board.h"
#include "state/new_game.h"

namespace quorbis {

const char* LevelName(int level) {
  switch (level) {
    case kEasy:
      return "Easy";
    case kNormal:
      return "Normal";
    case kHard:
      return "Hard";
    default:
      return "?";
  }
}

// --- AutoplayFrontEnd ---------------------------------------------------------

void AutoplayFrontEnd::ShowWindow(GameWindow w, WindowMode mode) {
  // Computer players' windows are closed by the engine itself. A modal window
  // would wait for a person who is not there: it closes at once, counted.
  if (mode == WindowMode::Modal) {
    ++stuck_modals;
    return;
  }
  open_[static_cast<int>(w)] = true;
}

void AutoplayFrontEnd::Post(std::function<void()> task, int delay_ms) {
  if (head_ == queue_.size()) {
    queue_.clear();  // keeps the capacity
    head_ = 0;
  }
  const int64_t due = clock_ms_ + std::max(delay_ms, 0);
  // Work is nearly always posted no earlier than everything already queued
  // (the next turn, after the turn that posts it): it goes at the end, built
  // in place.
  if (head_ == queue_.size() || queue_.back().due <= due) {
    queue_.emplace_back(due, next_seq_++, std::move(task));
    return;
  }
  Task t{due, next_seq_++, std::move(task)};
  auto later = [](const Task& a, const Task& b) {
    return a.due != b.due ? a.due < b.due : a.seq < b.seq;
  };
  auto pos =
      std::upper_bound(queue_.begin() + static_cast<std::ptrdiff_t>(head_), queue_.end(), t, later);
  queue_.insert(pos, std::move(t));
}

bool AutoplayFrontEnd::RunNext() {
  if (head_ == queue_.size()) return false;
  // Move the task out first: it may post more work, which can reallocate.
  Task t = std::move(queue_[head_++]);
  clock_ms_ = std::max(clock_ms_, t.due);
  t.run();
  return true;
}

void AutoplayFrontEnd::DropAll() {
  queue_.clear();
  head_ = 0;
}

void AutoplayFrontEnd::StartGame() {
  turns = 0;
  bankrupt_player = -1;
  bankrupt_cause = DebtCause::Rent;
  winner = -1;
  turn_started_in_jail_ = false;
}

void AutoplayFrontEnd::OnEvent(const GameEvent& e) {
  switch (e.type) {
    case EventType::Throw:
      // A throw starts a turn, unless the jail decision just started it.
      if (!turn_started_in_jail_) ++turns;
      turn_started_in_jail_ = false;
      break;
    case EventType::JailStay:
      ++turns;
      turn_started_in_jail_ = false;
      break;
    case EventType::JailBail:
    case EventType::JailCard:
      ++turns;
      turn_started_in_jail_ = true;
      break;
    case EventType::Land:
      if (e.square >= 0 && e.square < kSquareCount) ++landings[e.square];
      break;
    case EventType::Bankruptcy:
      if (bankrupt_player < 0) {
        bankrupt_player = e.player;
        bankrupt_cause = static_cast<DebtCause>(e.b);
      }
      break;
    case EventType::Winner:
      winner = e.player;
      break;
    default:
      break;
  }
  if (listener) listener->OnGameEvent(*game, e);
}

// --- Autoplay -----------------------------------------------------------------

Autoplay::Autoplay(uint64_t seed) {
  g_.ui = &ui_;
  g_.rng.Seed(seed);
  ui_.game = &g_;
  SetOptionDefaults(g_);
  // Nobody listens: the engine then skips the waits that stand in for sounds.
  g_.Mute = true;
  g_.SoundOff = true;
  g_.MusicOff = true;
  InitBoard(g_);
}

void Autoplay::SeatPlayers(std::span<const int> levels, Dollars cash) {
  const int count = static_cast<int>(std::min<size_t>(levels.size(), kMaxPlayers));
  for (int i = 0; i < kPlayerRecords; ++i) g_.Players[i] = Player{};
  for (int i = 0; i < count; ++i) {
    Player& p = g_.Players[i];
    const std::string name = std::string(LevelName(levels[i])) + " " + std::to_string(i + 1);
    p.Name = name;
    g_.PlayerNames[i] = name;
    p.IsRobot = true;
    p.Level = levels[i];
    p.Color = kPlayerColors[i % kPlayerColors.size()];
    p.ColorIndex = i;
    p.Icon = i;
    p.Cash = cash;
    p.Worth = cash;
    p.Ranking = 1;
    p.PassedGo = true;
    p.NameWidth = ui_.NameWidth(name);
  }
  g_.PlayerCount = count;
}

AutoplayResult Autoplay::Play(std::span<const int> levels, Dollars cash, int64_t turn_cap) {
  ui_.DropAll();
  ui_.StartGame();
  SeatPlayers(levels, cash);
  StartNewGame(g_);
  while (g_.GameOver == 0 && ui_.turns < turn_cap && ui_.RunNext()) {
  }

  AutoplayResult r;
  r.turns = ui_.turns;
  r.bankrupt_player = ui_.bankrupt_player;
  r.bankrupt_cause = ui_.bankrupt_cause;
  if (g_.GameOver != 0) {
    r.finished = true;
    r.winner = ui_.winner;
    // Let the engine finish its end of game (it unwinds through posted work).
    for (int i = 0; i < 64 && ui_.RunNext(); ++i) {
    }
  } else {
    r.capped = ui_.turns >= turn_cap;
    r.stalled = !r.capped;
    QuitGame(g_, false);
    for (int i = 0; i < 64 && ui_.RunNext(); ++i) {
    }
  }
  ui_.DropAll();
  return r;
}

}  // namespace quorbis
