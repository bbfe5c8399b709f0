// The main window: the title screen with its four picture buttons and the
// version, and the game screen (backdrop, board with its action bar, player
// panels and history) laid out again at every size.
#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

#include "state/game_state.h"
#include "ui/board_view.h"
#include "ui/menus.h"
#include "ui/property_window.h"
#include "ui/side_panel.h"
#include "ui/skin.h"

class QLabel;

namespace quorbis::ui {

inline constexpr char kCaption[] = "Plutora Games - Quorbis of New York";

class MainWindow : public QWidget {
  Q_OBJECT
 public:
  explicit MainWindow(Game& g);
  ~MainWindow() override;

  bool OnTitleScreen() const;
  void ShowGameScreen();
  void ShowTitleScreen();

  BoardView* board() const { return board_; }
  SidePanel* side() const { return side_; }
  PictureButton* titleButton(int i) const { return title_[i]; }
  QLabel* versionLabel() const { return version_; }
  PopMenu* popMenu() const { return pop_; }
  HoverCard* hoverCard() const { return hover_; }

  // The game menu of the action bar (modeless) and its items.
  void OpenGameMenu();
  void CloseGameMenu();
  // The property card for `square`, or closed for -1.
  void ShowHoverCard(int square);
  void CloseHoverCard();

  // Title screen and menu actions. The new-game dialog is given by the
  // program (it needs the front end) through this hook.
  std::function<void()> onNewGame;
  std::function<void()> onOptions;
  void OpenHelp();
  void OpenCredits();
  void ShowAbout();
  // Asks before leaving a running game; true when the player said yes.
  bool ConfirmQuit();
  bool ConfirmExit();

  // Lets the window close without asking (the game has already ended).
  void CloseWithoutAsking();

 signals:
  // The game menu's QUIT and EXIT, once confirmed.
  void quitRequested(bool exit_program);
  // Window closed while a game ran and the player confirmed.
  void leaveRequested();
  // The first complete drawing of the window (the title screen on screen).
  void firstPainted();

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void closeEvent(QCloseEvent* e) override;
  void changeEvent(QEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;

 private:
  void LayOut();
  void OnBoardPressed(int square);

  Game& g_;
  std::array<PictureButton*, 4> title_{};
  QLabel* version_;
  QWidget* backdrop_;
  BoardView* board_;
  SidePanel* side_;
  QPointer<PopMenu> pop_;
  QPointer<HoverCard> hover_;
  bool closing_confirmed_ = false;
  bool painted_ = false;
  QPixmap scaled_cover_;
};

}  // namespace quorbis::ui
