// The column at the right of the game screen: one small panel per player, the
// enlarged panel of the selected player (worth, owned squares, jail cards),
// and the history log with its clock.
#pragma once

#include <QPlainTextEdit>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <array>

#include "state/game_state.h"

class QLabel;

namespace quorbis::ui {

// What a player panel shows, kept as text so that tests can read it.
struct PanelText {
  QString name;
  QColor name_color;
  QString cash;
  QString rank;
  bool turn = false;
  bool bankrupt = false;
  bool winner = false;
  int icon = 0;
};

class PlayerPanel : public QWidget {
  Q_OBJECT
 public:
  PlayerPanel(int index, QWidget* parent, QSize size = {256, 77});
  void SetText(const PanelText& t) {
    text_ = t;
    update();
  }
  const PanelText& text() const { return text_; }
  PanelText& mutableText() { return text_; }

 signals:
  void iconClicked(int index);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;
  void PaintHeader(QPainter& p);

  int index_;
  PanelText text_;
};

// The enlarged panel of the selected player.
class CurrentPanel : public PlayerPanel {
  Q_OBJECT
 public:
  explicit CurrentPanel(Game& g, QWidget* parent);
  void Fill(int player);
  int player() const { return player_; }
  QString worthText() const { return worth_; }
  int jailCardsShown() const { return jail_cards_; }
  // The square whose icon lies under a point of the panel, or -1.
  int SquareAt(QPoint p) const;
  QRect IconRect(int square) const;

 signals:
  void squareHovered(int square);
  void backgroundHovered();

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseMoveEvent(QMouseEvent* e) override;

 private:
  Game& g_;
  int player_ = 0;
  QString worth_;
  int jail_cards_ = 0;
};

class HistoryPanel : public QWidget {
  Q_OBJECT
 public:
  explicit HistoryPanel(QWidget* parent);
  // Newest first: time, line break, text, line break.
  void Add(const QString& text);
  void Clear();
  QString Text() const { return log_; }
  QString ClockText() const;

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;

 private:
  QLabel* clock_;
  QPlainTextEdit* box_;
  QTimer tick_;
  QString log_;
};

// The current time of day in the system's time format, with seconds.
QString TimeOfDay();

class SidePanel : public QWidget {
  Q_OBJECT
 public:
  SidePanel(Game& g, QWidget* parent);

  // The panels of a new game (names, portraits, cash, first player).
  void StartGame();
  // Fills the enlarged panel for player p and moves the panels around it.
  void CurrentPlayer(int p);
  // Cash and rank of every player still in the game.
  void RefreshCash();
  void SetTurnMarker(int player, bool visible);
  void MarkBankrupt(int player);
  void ShowWinner(int player);
  // Places the panels and the history for a column of height h.
  void LayOut(int height);

  PlayerPanel* panel(int i) const { return panels_[i]; }
  CurrentPanel* current() const { return current_; }
  HistoryPanel* history() const { return history_; }

 signals:
  void squareHovered(int square);
  void backgroundHovered();

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  PanelText TextOf(int player) const;

  Game& g_;
  std::array<PlayerPanel*, kMaxPlayers> panels_{};
  CurrentPanel* current_;
  HistoryPanel* history_;
  int winner_ = -1;
};

}  // namespace quorbis::ui
