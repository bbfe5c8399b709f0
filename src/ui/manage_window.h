// The asset dialog: a grid of the player's square cards in one mode (sell,
// mortgage, unmortgage, upgrade), the details of the card under the mouse,
// and "&Done". For a loan repayment it can switch between selling and
// mortgaging and offers a way to give up.
#pragma once

#include <QLabel>
#include <QPixmap>
#include <array>

#include "economy/manage.h"
#include "state/game_state.h"
#include "ui/skin.h"

namespace quorbis::ui {

class ManageWindow : public SkinnedWindow {
  Q_OBJECT
 public:
  ManageWindow(Game& g, QWidget* owner);
  // Rebuilds the card grid and the texts for the mode in force.
  void Rebuild();
  QRect CardRect(int square) const;
  bool CardEnabled(int square) const;
  QString title() const { return title_; }
  QString detailText() const { return detail_->text(); }
  QString nameText() const { return name_->text(); }
  QString priceText() const { return price_->text(); }
  LabelButton* doneButton() const { return done_; }
  LabelButton* giveUpButton() const { return give_up_; }
  LabelButton* modeButton(int mode) const { return mode == kSell ? sell_mode_ : mortgage_mode_; }
  // The card under the mouse (-1 the bare dialog).
  void Hover(int square);
  void ClickCard(int square);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void leaveEvent(QEvent*) override;

 private:
  struct Card {
    int square = 0;
    QRect place;
    QPixmap picture;
    bool enabled = false;
  };
  int CardAt(QPoint p) const;

  Game& g_;
  int mode_ = 0;
  QString title_;
  std::array<Card, kManageCardCount> cards_{};
  int hovered_ = -1;
  QPixmap picture_;
  QLabel* name_;
  QLabel* price_;
  QLabel* detail_;
  LabelButton* done_;
  LabelButton* give_up_;
  LabelButton* sell_mode_;
  LabelButton* mortgage_mode_;
};

}  // namespace quorbis::ui
