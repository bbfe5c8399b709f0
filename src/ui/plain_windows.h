// The card, jail, bank and casino windows: plain, complete windows over the
// rules of the cards, jail, bank and casino, each showing the view its rules
// give and calling their operations.
#pragma once

#include <QLineEdit>
#include <QTimer>
#include <array>

#include "state/game_state.h"
#include "ui/skin.h"

namespace quorbis::ui {

// A game window that reads its rules' view again when the game refreshes.
class RefreshingWindow : public SkinnedWindow {
  Q_OBJECT
 public:
  using SkinnedWindow::SkinnedWindow;
  virtual void Refresh() = 0;
};

class CardWindow : public RefreshingWindow {
  Q_OBJECT
 public:
  CardWindow(Game& g, QWidget* owner);
  void Refresh() override;
  LabelButton* okButton() const { return ok_; }
  QString text() const { return text_; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  Game& g_;
  LabelButton* ok_;
  QString title_, text_, name_;
  int deck_ = 0;
  QTimer poll_;
};

class JailWindow : public RefreshingWindow {
  Q_OBJECT
 public:
  JailWindow(Game& g, QWidget* owner);
  void Refresh() override;
  LabelButton* button(int i) const { return buttons_[i]; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  Game& g_;
  std::array<LabelButton*, 3> buttons_{};
  QString name_;
};

class BankWindow : public RefreshingWindow {
  Q_OBJECT
 public:
  BankWindow(Game& g, QWidget* owner);
  void Refresh() override;
  LabelButton* choice(int business) const { return choices_[business]; }
  LabelButton* okButton() const { return ok_; }
  LabelButton* backButton() const { return back_; }
  LabelButton* cancelButton() const { return cancel_; }
  QLineEdit* amount() const { return amount_; }

 protected:
  void paintEvent(QPaintEvent*) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  Game& g_;
  std::array<LabelButton*, 3> choices_{};
  LabelButton* ok_;
  LabelButton* back_;
  LabelButton* cancel_;
  QLineEdit* amount_;
  int hovered_ = -1;
  QStringList lines_;
};

class CasinoWindow : public RefreshingWindow {
  Q_OBJECT
 public:
  CasinoWindow(Game& g, QWidget* owner);
  void Refresh() override;
  // The betting field of each zone of the table, left to right (L U C K Y).
  static int FieldOfZone(int zone);
  static QRect ZoneRect(int zone);
  QLineEdit* stake() const { return stake_; }
  LabelButton* playButton() const { return play_; }
  LabelButton* cancelButton() const { return cancel_; }

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;

 private:
  Game& g_;
  QLineEdit* stake_;
  LabelButton* play_;
  LabelButton* cancel_;
  QTimer flash_;
};

}  // namespace quorbis::ui
