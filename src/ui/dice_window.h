// The dice window of a person's turn: one blinking button, ROLL DICE to
// throw or FINISH TURN to hand the turn on, with the player's name and
// portrait. Enter and Space click it.
#pragma once

#include <QTimer>

#include "state/game_state.h"
#include "ui/skin.h"

namespace quorbis::ui {

class DiceWindow : public SkinnedWindow {
  Q_OBJECT
 public:
  DiceWindow(Game& g, QWidget* owner);
  PictureButton* button() const { return button_; }
  int mode() const { return mode_; }
  bool lit() const { return blink_ == 1; }
  // Left centred over the board part of the owner, top at 55 % of its height.
  void Place();
  void Click();
  // Usable again after a click the game did not take.
  void Restore();

 protected:
  void paintEvent(QPaintEvent*) override;
  void keyPressEvent(QKeyEvent* e) override;
  void showEvent(QShowEvent* e) override;

 private:
  void Blink();

  Game& g_;
  int mode_;
  QString name_;
  int icon_;
  PictureButton* button_;
  QTimer blink_timer_;
  int blink_ = 0;
  bool clicked_ = false;
};

}  // namespace quorbis::ui
