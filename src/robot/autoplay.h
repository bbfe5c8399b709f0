// Games of computer players only, with no windows and no waiting, through the
// engine's real turn loop: the simulator, the benchmarks and the long-run
// tests all play through this.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "engine/front_end.h"
#include "state/game_state.h"

namespace quorbis {

// Receives every event of every game an Autoplay plays.
class GameEventListener {
 public:
  virtual ~GameEventListener() = default;
  virtual void OnGameEvent(const Game& g, const GameEvent& e) = 0;
};

// A front end for games nobody watches: no text, no sound, no animation,
// pauses that take no time, and posted work run in order from a queue that
// does not allocate once it has warmed up.
class AutoplayFrontEnd final : public FrontEnd {
 public:
  // Runs the earliest posted task. False when nothing is queued.
  bool RunNext();
  void DropAll();
  bool HasPending() const { return head_ < queue_.size(); }

  GameEventListener* listener = nullptr;
  const Game* game = nullptr;
  // Counted from the events: turns started, landings by square, the first
  // bankruptcy and the winner of the current game.
  int64_t turns = 0;
  std::array<int64_t, kSquareCount> landings{};
  int bankrupt_player = -1;
  DebtCause bankrupt_cause = DebtCause::Rent;
  int winner = -1;
  int stuck_modals = 0;

  void ShowWindow(GameWindow w, WindowMode mode) override;
  void CloseWindow(GameWindow w) override { open_[static_cast<int>(w)] = false; }
  void MessageBox(std::string_view, std::string_view) override {}
  bool WantsText() const override { return false; }
  void ShowTip(std::string_view, int) override {}
  void AddHistory(std::string_view) override {}
  void PlayWave(Sound, WaveMode) override {}
  void StopWave() override {}
  void PlayMusic(Music) override {}
  void Pause(int ms) override { clock_ms_ += ms; }
  void ProcessEvents() override {}
  void Post(std::function<void()> task, int delay_ms) override;
  bool Animates() const override { return false; }
  void DrawPlayerMove(int, int) override {}
  void EraseToken(int) override {}
  void DrawDice(int) override {}
  void DrawMap() override {}
  void RefreshGame() override {}
  void CurrentPlayer(int) override {}
  void ExchangePic(int) override {}
  void SetTurnMarker(int, bool) override {}
  void ShowBankruptButton(bool) override {}
  void UpdateActionMenu(const ActionMenuState&) override {}
  void MarkBankrupt(int) override {}
  void ShowWinner(int) override {}
  void ShowGameScreen() override {}
  void HideGameScreen() override {}
  void ReturnToTitle() override {}
  void CloseMainWindow() override {}
  int NameWidth(std::string_view name) override { return static_cast<int>(name.size()) * 9; }
  void OnEvent(const GameEvent& e) override;

  // Clears the per-game counts (not the landings, which add up over games).
  void StartGame();

 private:
  struct Task {
    int64_t due;
    uint64_t seq;
    std::function<void()> run;
  };
  std::vector<Task> queue_;  // sorted by (due, seq) from head_ on
  size_t head_ = 0;
  uint64_t next_seq_ = 0;
  int64_t clock_ms_ = 0;
  std::array<bool, kGameWindowCount> open_{};
  // A jail decision starts a turn; the throw that may follow belongs to it.
  bool turn_started_in_jail_ = false;
};

struct AutoplayResult {
  // Ended by a bankruptcy, as a game of computer players does.
  bool finished = false;
  // Stopped at the turn cap.
  bool capped = false;
  // Neither: the engine stopped posting work (a window waiting for a person).
  bool stalled = false;
  int winner = -1;           // player index (turn order), -1 when none
  int bankrupt_player = -1;  // who went bankrupt first
  DebtCause bankrupt_cause = DebtCause::Rent;
  int64_t turns = 0;
};

class Autoplay {
 public:
  // One generator for the whole run, seeded once: a run of games replays
  // exactly from its seed.
  explicit Autoplay(uint64_t seed);
  Autoplay(const Autoplay&) = delete;
  Autoplay& operator=(const Autoplay&) = delete;

  // Plays one game of computer players with the given levels in turn order,
  // each starting with `cash`, until the first bankruptcy or `turn_cap`
  // player-turns.
  AutoplayResult Play(std::span<const int> levels, Dollars cash, int64_t turn_cap);

  void set_listener(GameEventListener* listener) { ui_.listener = listener; }
  Game& game() { return g_; }
  const AutoplayFrontEnd& front_end() const { return ui_; }
  // The player-turns of the game being played so far.
  int64_t turns() const { return ui_.turns; }

 private:
  void SeatPlayers(std::span<const int> levels, Dollars cash);

  Game g_;
  AutoplayFrontEnd ui_;
};

// "Easy", "Normal", "Hard".
const char* LevelName(int level);

}  // namespace quorbis
