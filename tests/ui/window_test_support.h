// Small helpers for driving the game's windows in tests: work started from
// the event loop (it may wait in a modal window), message boxes caught and
// answered, a sampler watching the game between events, and the history.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "engine/ui_calls.h"
#include "ui/side_panel.h"
#include "ui_harness.h"

namespace quorbis::ui::testing {

// A game of people in which nobody has thrown yet and no window is open:
// the test opens what it needs.
inline void StartIdlePeopleGame(GameOnScreen& s, int players) {
  std::vector<Seat> seats;
  const char* const names[4] = {"Ann", "Bob", "Cid", "Dee"};
  for (int i = 0; i < players; ++i) seats.push_back({names[i], false});
  s.StartGame(seats);
  WaitUntil([&] { return s.IsOpen(GameWindow::Dice); });
  CloseGameWindow(s.g(), GameWindow::Dice);
}

// Runs `op` from the event loop; the flag turns true when it has returned.
inline std::shared_ptr<bool> RunLater(std::function<void()> op) {
  auto returned = std::make_shared<bool>(false);
  QTimer::singleShot(0, qApp, [op = std::move(op), returned] {
    op();
    *returned = true;
  });
  return returned;
}

// Opens a window that waits modally (`open` returns when it has closed) and
// runs `steps` inside that wait, as a player's clicks would, once the window
// `kind` is on screen (`open` may show messages first). Whatever the steps
// leave open is closed afterwards, so that a failed check cannot leave the
// test waiting for ever. Checks of what follows the window belong after this
// returns: the wait ends only once the steps are done.
inline void WhileModal(GameOnScreen& s, GameWindow kind, const std::function<void()>& open,
                       const std::function<void()>& steps) {
  QTimer poll;
  QElapsedTimer clock;
  clock.start();
  QObject::connect(&poll, &QTimer::timeout, [&] {
    const bool there = s.fe().Window(kind) != nullptr && s.fe().Window(kind)->isVisible();
    if (!there && clock.elapsed() < 10000) return;
    poll.stop();
    if (there) steps();
    for (int i = 0; i < kGameWindowCount; ++i) {
      if (s.fe().Window(static_cast<GameWindow>(i)) != nullptr) {
        s.g().GameOver = 1;
        s.fe().CloseEveryGameWindow();
        break;
      }
    }
  });
  poll.start(1);
  open();
  poll.stop();
}

struct SeenBox {
  bool seen = false;
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Records the next message box that appears (within 10 s) and answers OK.
inline void CatchNextBox(SeenBox* out) {
  auto* timer = new QTimer(qApp);
  auto clock = std::make_shared<QElapsedTimer>();
  clock->start();
  timer->setInterval(2);
  QObject::connect(timer, &QTimer::timeout, [timer, clock, out] {
    QMessageBox* box = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* b = qobject_cast<QMessageBox*>(w); b && b->isVisible()) box = b;
    if (box) {
      out->seen = true;
      out->title = box->windowTitle();
      out->text = box->text();
      out->icon = box->icon();
      if (QAbstractButton* ok = box->button(QMessageBox::Ok)) ok->click();
    }
    if (box || clock->elapsed() > 10000) {
      timer->stop();
      timer->deleteLater();
    }
  });
  timer->start();
}

// Calls `look` every millisecond while it lives, also inside the game's
// nested waits, to catch what is on screen only for a moment.
class Sampler {
 public:
  explicit Sampler(std::function<void()> look) : look_(std::move(look)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { look_(); });
    timer_.start(1);
  }

 private:
  std::function<void()> look_;
  QTimer timer_;
};

inline QString HistoryText(GameOnScreen& s) {
  return s.window().side()->history()->Text();
}

// The history lines added since `before` was read (the newest come first).
inline QString AddedSince(GameOnScreen& s, const QString& before) {
  const QString now = HistoryText(s);
  return now.left(now.size() - before.size());
}

}  // namespace quorbis::ui::testing
