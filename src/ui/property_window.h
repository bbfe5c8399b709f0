// The property action dialog (what a player may do on the square he landed
// on) and the read-only hover card of a square; both show the square's
// picture, owner, name, price and detail text.
#pragma once

#include <QPixmap>
#include <array>

#include "engine/property_dialog.h"
#include "state/game_state.h"
#include "ui/skin.h"

namespace quorbis::ui {

// Where the texts and the picture of a property card go, per window.
struct CardLayout {
  QRect owner, name, price, detail, picture;
  double owner_points;
};

// Paints the square's card texts and picture.
void PaintPropertyCard(QPainter& p, const CardLayout& layout, const PropertyDialogState& state,
                       const QPixmap& picture, bool pictured_background);

class PropertyWindow : public SkinnedWindow {
  Q_OBJECT
 public:
  PropertyWindow(Game& g, QWidget* owner);
  // Reads the square and the player's cash again (on every activation).
  void Refresh();
  const PropertyDialogState& state() const { return state_; }
  LabelButton* button(int action) const { return buttons_[action]; }

 protected:
  void paintEvent(QPaintEvent*) override;
  void showEvent(QShowEvent*) override;
  bool event(QEvent* e) override;

 private:
  Game& g_;
  int square_;
  PropertyDialogState state_;
  QPixmap picture_;
  std::array<LabelButton*, 4> buttons_{};
  bool clicked_ = false;
};

class HoverCard : public SkinnedWindow {
  Q_OBJECT
 public:
  HoverCard(Game& g, QWidget* owner);
  ~HoverCard() override;
  // Shows square HoverSquare (again).
  void RefreshInfo();
  int square() const { return square_; }
  const PropertyDialogState& state() const { return state_; }

 signals:
  void clickedAway();

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;

 private:
  Game& g_;
  int square_ = -1;
  PropertyDialogState state_;
  QPixmap picture_;
};

}  // namespace quorbis::ui
