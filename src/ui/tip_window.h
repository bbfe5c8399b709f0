// The tip window: a message over the board that closes itself after its
// seconds plus one ticks, fading out. The game waits while it shows.
#pragma once

#include <QLabel>
#include <QTimer>

#include "state/game_state.h"
#include "ui/skin.h"

namespace quorbis::ui {

class TipWindow : public SkinnedWindow {
  Q_OBJECT
 public:
  TipWindow(Game& g, QWidget* owner, const QString& text, int seconds);
  ~TipWindow() override;
  QString text() const { return label_->text(); }
  int ticks() const { return ticks_; }

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void showEvent(QShowEvent* e) override;

 private:
  void Tick();

  Game& g_;
  QLabel* label_;
  QTimer timer_;
  int seconds_;
  int ticks_ = 0;
  bool fading_ = false;
};

}  // namespace quorbis::ui
