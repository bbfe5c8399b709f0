// A game on screen for window tests: the real main window and front end
// under the offscreen platform, pauses shortened by the speed factor, and
// helpers that wait for the game or answer its message boxes.
#pragma once

#include <QMessageBox>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/front_end.h"
#include "state/game_state.h"
#include "ui/main_window.h"
#include "ui/qt_front_end.h"

namespace quorbis::ui::testing {

struct Seat {
  std::string name;
  bool robot = false;
  int level = kNormal;
};

class GameOnScreen {
 public:
  explicit GameOnScreen(uint64_t seed = 7, double speed = 200);
  ~GameOnScreen();

  Game& g() { return *game_; }
  MainWindow& window() { return *window_; }
  QtFrontEnd& fe() { return *fe_; }

  // Seats the players in this order (computer-only games included, which
  // the set-up dialog does not offer) and starts the game.
  void StartGame(const std::vector<Seat>& seats, Dollars cash = 1500);
  bool IsOpen(GameWindow w) const;
  template <typename W>
  W* Open(GameWindow w) const {
    return qobject_cast<W*>(fe_->Window(w));
  }

 private:
  std::unique_ptr<Game> game_;
  std::unique_ptr<MainWindow> window_;
  std::unique_ptr<QtFrontEnd> fe_;
};

// Processes events until `done` holds; false after `timeout_ms`.
bool WaitUntil(const std::function<bool()>& done, int timeout_ms = 10000);
// Clicks `button` of the next message box that appears (within 10 s) and
// records its text.
void AnswerNextMessageBox(QMessageBox::StandardButton button, QString* text = nullptr);
// The mouse resting at `pos` of `w` (no button held).
void HoverAt(QWidget* w, QPoint pos);
// Top-level windows other than the main window still on screen.
QStringList WindowsOnScreen();

}  // namespace quorbis::ui::testing
