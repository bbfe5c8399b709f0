// A front end without windows: zero-time pauses, a queue of posted work run
// by `RunUntilIdle`, and a record of everything the game showed, so that tests
// and scripts can answer a person's windows by calling the same engine entry
// points the real buttons call.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "engine/front_end.h"

namespace quorbis {

class HeadlessFrontEnd : public FrontEnd {
 public:
  // Answers a person's modal window (bank, casino, asset dialog for a loan)
  // while the engine waits in ShowWindow. It must close the window through
  // the window's engine operations; a window it leaves open counts as stuck
  // and is closed by force.
  std::function<void(GameWindow)> on_modal;
  // Receives every game event.
  std::function<void(const GameEvent&)> on_event;
  // Runs wherever a real front end would let window events through (every
  // ProcessEvents and Pause): the place to play a person's click, the game
  // menu or the boss key in the middle of a turn.
  std::function<void()> on_process_events;
  // Receives every tip as it is shown.
  std::function<void(std::string_view)> on_tip;

  bool wants_text = true;
  // With `animate` set the engine computes every 4-pixel frame of a move;
  // they are recorded in `frames`.
  bool animate = false;
  struct Frame {
    int x, y;
  };
  std::vector<Frame> frames;
  // Every window the game opened, in order.
  struct Opened {
    GameWindow window;
    WindowMode mode;
  };
  std::vector<Opened> opened;

  // What the game showed.
  std::array<bool, kGameWindowCount> open{};
  std::vector<std::string> history;
  std::vector<std::string> tips;
  std::vector<std::string> message_boxes;
  std::vector<Sound> sounds;
  ActionMenuState action_menu;
  bool bankrupt_button = false;
  int dice_shown = 0;
  int stuck_modals = 0;
  int returned_to_title = 0;
  int main_window_closed = 0;
  int game_screens_shown = 0;
  int back_music_started = 0;
  int winner = -1;
  int64_t clock_ms = 0;

  bool IsOpen(GameWindow w) const { return open[static_cast<int>(w)]; }
  // Runs posted work in time order until none is left or `max_tasks` ran.
  // Returns the number of tasks run.
  int RunUntilIdle(int max_tasks = 1 << 30);
  bool HasPending() const { return !queue_.empty(); }
  void ClearRecords();

  void ShowWindow(GameWindow w, WindowMode mode) override;
  void CloseWindow(GameWindow w) override;
  void MessageBox(std::string_view title, std::string_view text) override;
  bool WantsText() const override { return wants_text; }
  void ShowTip(std::string_view text, int seconds) override;
  void AddHistory(std::string_view text) override;
  void PlayWave(Sound s, WaveMode mode) override;
  void StopWave() override {}
  void PlayMusic(Music m) override { back_music_started += m == Music::Back ? 1 : 0; }
  void Pause(int ms) override;
  void ProcessEvents() override;
  void Post(std::function<void()> task, int delay_ms) override;
  bool Animates() const override { return animate; }
  void DrawPlayerMove(int x, int y) override;
  void EraseToken(int) override {}
  void DrawDice(int total) override { dice_shown = total; }
  void DrawMap() override {}
  void RefreshGame() override {}
  void CurrentPlayer(int) override {}
  void ExchangePic(int) override {}
  void SetTurnMarker(int, bool) override {}
  void ShowBankruptButton(bool visible) override { bankrupt_button = visible; }
  void UpdateActionMenu(const ActionMenuState& state) override { action_menu = state; }
  void MarkBankrupt(int) override {}
  void ShowWinner(int player) override { winner = player; }
  void ShowGameScreen() override { ++game_screens_shown; }
  void HideGameScreen() override {}
  void ReturnToTitle() override { ++returned_to_title; }
  void CloseMainWindow() override { ++main_window_closed; }
  int NameWidth(std::string_view name) override { return static_cast<int>(name.size()) * 9; }
  void OnEvent(const GameEvent& e) override {
    if (on_event) on_event(e);
  }

 private:
  struct Task {
    int64_t due;
    uint64_t seq;
    std::function<void()> run;
  };
  std::deque<Task> queue_;
  uint64_t next_seq_ = 0;
};

}  // namespace quorbis
