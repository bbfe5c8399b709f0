// The game menu of the action bar, the help and credits windows, and the
// modal helpers every window of the game uses (message boxes, waits).
#pragma once

#include <QDialog>
#include <QMessageBox>
#include <QUrl>
#include <functional>

#include "state/game_state.h"
#include "ui/skin.h"

namespace quorbis::ui {

// A Yes/No question with No as the default; true for Yes.
bool AskYesNo(QWidget* parent, const QString& title, const QString& text, QMessageBox::Icon icon);
void Inform(QWidget* parent, const QString& title, const QString& text);
void Warn(QWidget* parent, const QString& title, const QString& text);
// Shows the window modal and waits until it closes.
void RunModal(SkinnedWindow* w);
int RunModal(QDialog* d);

// How links are opened (the desktop's handler; tests record them instead).
void SetUrlOpener(std::function<void(const QUrl&)> opener);
void OpenUrl(const QUrl& url);

// The pop-up game menu: QUIT, OPTIONS, HELP, CREDITS, ABOUT, EXIT. The game
// waits (Paused) while it is open.
class PopMenu : public SkinnedWindow {
  Q_OBJECT
 public:
  static constexpr int kItemCount = 6;
  PopMenu(Game& g, QWidget* owner);
  ~PopMenu() override;
  int item() const { return item_; }
  void SetItem(int item);
  // The item under a point of the menu's background, -1 outside the items.
  static int ItemAt(QPoint p);
  static QString Caption(int item);

 signals:
  void chosen(int item);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  Game& g_;
  int item_ = -1;
};

class HelpWindow : public QDialog {
  Q_OBJECT
 public:
  HelpWindow(Game& g, QWidget* owner);
  ~HelpWindow() override;

 private:
  Game& g_;
};

class CreditsWindow : public SkinnedWindow {
  Q_OBJECT
 public:
  CreditsWindow(Game& g, QWidget* owner);
  ~CreditsWindow() override;

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  Game& g_;
  QPixmap picture_;
};

}  // namespace quorbis::ui
