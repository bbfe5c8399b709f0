// The board the player sees (the board picture under the action bar), the
// action bar with its buttons, the bankrupt button, and the board's mouse
// handling that opens and closes the property hover card.
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "engine/front_end.h"
#include "render/board_renderer.h"
#include "state/game_state.h"
#include "ui/skin.h"

namespace quorbis::ui {

// The bar under the board: the game-menu button and the four asset buttons
// (upgrade, sell, mortgage, unmortgage). A hidden button shows its dimmed
// counterpart lying underneath.
class ActionBar : public QWidget {
  Q_OBJECT
 public:
  explicit ActionBar(QWidget* parent);
  void SetState(const ActionMenuState& state);
  // Hides the four asset buttons (title screen, computer players).
  void HideAssetButtons() { SetState({}); }
  PictureButton* Button(int index) const { return buttons_[index]; }
  ActionMenuState State() const { return state_; }

 signals:
  void menuClicked();
  // 3 upgrade, 0 sell, 1 mortgage, 2 unmortgage: the asset dialog's modes.
  void manageClicked(int mode);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  std::array<PictureButton*, 5> buttons_{};
  ActionMenuState state_;
};

class BoardView : public QWidget {
  Q_OBJECT
 public:
  BoardView(Game& g, QWidget* parent);

  // Lays the board out for a client area of w x h, redraws it and places
  // the board picture, the action bar and the bankrupt button.
  void LayOut(int client_w, int client_h);
  // The board picture again from the static board, with every token.
  void Redraw();
  void ExchangePic(int hide_player);
  void DrawPlayerMove(int x, int y);
  void EraseToken(int player);
  void DrawDice(int total);

  // The board painter, made on first use: the title screen never needs the
  // board's pictures.
  BoardRenderer& renderer();
  ActionBar* actionBar() const { return bar_; }
  PictureButton* bankruptButton() const { return bankrupt_; }
  // The ownable square under a point of the board picture, or -1.
  int SquareAt(QPoint p) const;

 signals:
  // A click on an ownable square (or -1 off them) and a move off them.
  void squarePressed(int square);
  void leftSquares();

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;

 private:
  Game& g_;
  std::unique_ptr<BoardRenderer> renderer_;
  ActionBar* bar_;
  PictureButton* bankrupt_;
};

}  // namespace quorbis::ui
