// The game on screen: the front end the rules talk to, with real windows.
// Modal windows and pauses run nested event loops; modeless windows return at
// once and their buttons call the rules' entry points; posted work runs from
// the outermost event loop only, so computer turns never pile up on the stack.
#pragma once

#include <QObject>
#include <QPointer>
#include <array>
#include <deque>
#include <functional>

#include "engine/front_end.h"
#include "state/game_state.h"
#include "ui/main_window.h"
#include "ui/tip_window.h"

namespace quorbis::ui {

// Where sounds and music go (the sound system plugs in here; without one the
// game runs silently).
class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  virtual void PlayWave(Sound s, WaveMode mode) = 0;
  virtual void StopWave() = 0;
  virtual void PlayMusic(Music m) = 0;
};

class QtFrontEnd : public QObject, public FrontEnd {
  Q_OBJECT
 public:
  QtFrontEnd(Game& g, MainWindow& main);
  ~QtFrontEnd() override;

  void SetSoundOutput(SoundOutput* out) { sound_ = out; }
  // Builds a game window; the card, jail, bank and casino windows can be
  // replaced by richer ones this way.
  using WindowFactory = std::function<SkinnedWindow*(Game&, QWidget* owner)>;
  void SetWindowFactory(GameWindow w, WindowFactory make);

  // The open window of a kind, or null.
  SkinnedWindow* Window(GameWindow w) const { return windows_[static_cast<int>(w)]; }
  TipWindow* Tip() const { return tip_; }
  MainWindow& main() { return main_; }
  // Posted work still waiting to run.
  int PendingPosts() const { return static_cast<int>(posted_.size()); }

  // The title screen's first button: the set-up dialog, then the game.
  void OpenNewGameDialog();
  // Closes every window of the game that is open, without re-showing any or
  // carrying a turn on (the tip, the hover card and the menu included).
  void CloseEveryGameWindow();

  // --- FrontEnd ------------------------------------------------------------
  void ShowWindow(GameWindow w, WindowMode mode) override;
  void CloseWindow(GameWindow w) override;
  void MessageBox(std::string_view title, std::string_view text) override;
  bool WantsText() const override { return true; }
  void ShowTip(std::string_view text, int seconds) override;
  void AddHistory(std::string_view text) override;
  void PlayWave(Sound s, WaveMode mode) override;
  void StopWave() override;
  void PlayMusic(Music m) override;
  void Pause(int ms) override;
  void ProcessEvents() override;
  void Post(std::function<void()> task, int delay_ms = 0) override;
  bool Animates() const override { return true; }
  void DrawPlayerMove(int x, int y) override;
  void EraseToken(int player) override;
  void DrawDice(int total) override;
  void DrawMap() override;
  void RefreshGame() override;
  void CurrentPlayer(int player) override;
  void ExchangePic(int hide_player) override;
  void SetTurnMarker(int player, bool visible) override;
  void ShowBankruptButton(bool visible) override;
  void UpdateActionMenu(const ActionMenuState& state) override;
  void MarkBankrupt(int player) override;
  void ShowWinner(int player) override;
  void ShowGameScreen() override;
  void HideGameScreen() override;
  void ReturnToTitle() override;
  void CloseMainWindow() override;
  int NameWidth(std::string_view name) override;

 private:
  struct Task {
    qint64 due;
    std::function<void()> run;
  };
  void RunPosted();
  void SchedulePosted(int delay_ms);
  bool Stopping() const;
  SkinnedWindow* Make(GameWindow w);

  Game& g_;
  MainWindow& main_;
  SoundOutput* sound_ = nullptr;
  std::array<QPointer<SkinnedWindow>, kGameWindowCount> windows_{};
  std::array<WindowFactory, kGameWindowCount> factories_{};
  QPointer<TipWindow> tip_;
  std::deque<Task> posted_;
  bool run_when_outermost_ = false;
};

}  // namespace quorbis::ui
