// A person at the keyboard for window tests: every few milliseconds it looks
// at what the game shows and clicks, the way a player would, on the real
// windows. It runs from a timer, so it also answers windows that hold a modal
// wait.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "ui_harness.h"

namespace quorbis::ui::testing {

class PersonBot : public QObject {
  Q_OBJECT
 public:
  explicit PersonBot(GameOnScreen& game);
  void Start() { timer_.start(); }
  void Stop() { timer_.stop(); }

  // Whether the bot buys (first enabled choice) or passes on a square.
  bool buy = true;
  // Called before the bot acts; returning true means the test acted itself.
  std::function<bool()> before;
  // Clicks made, and the windows met with no way forward.
  int clicks = 0;
  int dead_ends = 0;
  QString last_action;

 private:
  void Tick();
  bool Act();
  bool Click(QAbstractButton* b, const QString& what);

  GameOnScreen& game_;
  QTimer timer_;
  bool banked_ = false;
  bool bet_chosen_ = false;
  bool refused_ = false;
  int play_tries_ = 0;
};

}  // namespace quorbis::ui::testing
