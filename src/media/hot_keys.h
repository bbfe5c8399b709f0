// The game's two hot keys: F7 switches all audio off and on, Esc is the boss
// key that hides every window of the game at once and brings them all back
// on the next press.
//
// On X11 both keys are global, but only while the game is the active program
// or hidden by the boss key: taking them from every other program all the
// time would leave the user without Esc anywhere else. Where a desktop grants
// no global keys (Wayland, offscreen, another program holding them) they work
// while the game has the focus, and the boss key then minimises the main
// window instead of hiding it, so that the task bar can bring the game back.
//
// Hiding never ends a modal wait: windows are hidden through their native
// window, which leaves a dialog's exec() running, and shown the same way.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <vector>

#include "state/game_state.h"

namespace quorbis {

class GameAudio;
class X11KeyGrab;

class HotKeys : public QObject {
  Q_OBJECT

 public:
  enum class Scope {
    Off,     // not registered
    Global,  // grabbed on the X11 root window
    Focus,   // while a window of the game has the focus
  };

  HotKeys(Game& g, GameAudio& audio, QObject* parent = nullptr);
  ~HotKeys() override;

  // From the main window's load to its unload.
  void RegisterGameHotKeys(QWidget* main_window);
  void UnregisterGameHotKeys();

  // F7.
  void ToggleMute();
  // Esc: hides the game (muted, animations paused) or brings it back with
  // exactly the windows that were open and still are.
  void ToggleBossKey();
  // The two halves of the boss key, for callers that know which they want.
  void HideAllForms();
  void ShowAllForms();

  bool GameHidden() const { return game_hidden_; }
  Scope CurrentScope() const { return scope_; }

 signals:
  void muteToggled(bool mute);
  void bossKeyToggled(bool hidden);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OnApplicationState();
  void UpdateScope();
  void RestoreFromTaskBar();
  void HideWindow(QWidget* w);

  Game& g_;
  GameAudio& audio_;
  QPointer<QWidget> main_;
  std::unique_ptr<X11KeyGrab> grab_;
  bool registered_ = false;
  bool global_possible_ = false;
  Scope scope_ = Scope::Off;

  bool game_hidden_ = false;
  bool mute_before_hide_ = false;
  bool paused_before_hide_ = false;
  bool main_minimised_ = false;  // hidden by minimising (no global keys)
  Qt::WindowStates main_state_before_hide_;
  std::vector<QPointer<QWidget>> hidden_;
};

}  // namespace quorbis
