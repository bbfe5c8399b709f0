#include "ui/qt_front_end.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>

#include "economy/manage.h"
#include "engine/turn.h"
#include "engine/ui_calls.h"
#include "render/board_renderer.h"
#include "ui/dice_window.h"
#include "ui/look.h"
#include "ui/manage_window.h"
#include "ui/menus.h"
#include "ui/plain_windows.h"
#include "ui/property_window.h"
#include "ui/pump.h"
#include "ui/setup_dialog.h"
#include "ui/tip_window.h"

namespace quorbis::ui {
namespace {

qint64 NowMs() {
  static QElapsedTimer clock = [] {
    QElapsedTimer c;
    c.start();
    return c;
  }();
  return clock.elapsed();
}

QString Q(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}

template <typename W>
QtFrontEnd::WindowFactory FactoryOf() {
  return [](Game& g, QWidget* owner) -> SkinnedWindow* { return new W(g, owner); };
}

}  // namespace

QtFrontEnd::QtFrontEnd(Game& g, MainWindow& main) : g_(g), main_(main) {
  g_.ui = this;
  factories_[static_cast<int>(GameWindow::Dice)] = FactoryOf<DiceWindow>();
  factories_[static_cast<int>(GameWindow::Property)] = FactoryOf<PropertyWindow>();
  factories_[static_cast<int>(GameWindow::Card)] = FactoryOf<CardWindow>();
  factories_[static_cast<int>(GameWindow::Jail)] = FactoryOf<JailWindow>();
  factories_[static_cast<int>(GameWindow::Bank)] = FactoryOf<BankWindow>();
  factories_[static_cast<int>(GameWindow::Casino)] = FactoryOf<CasinoWindow>();
  factories_[static_cast<int>(GameWindow::Manage)] = FactoryOf<ManageWindow>();

  SetOnOutermostLevel([this] {
    if (run_when_outermost_) SchedulePosted(0);
  });
  main_.onNewGame = [this] { OpenNewGameDialog(); };
  connect(&main_, &MainWindow::quitRequested, this,
          [this](bool exit_program) { QuitGame(g_, exit_program); });
  connect(&main_, &MainWindow::leaveRequested, this, [this] {
    // The window is already closing: end the game in place; nothing shows
    // the title screen again.
    g_.ExitRequested = true;
    g_.GameOver = 1;
    g_.GameRunning = false;
    QuitGame(g_, true);
    CloseEveryGameWindow();
  });
  connect(main_.board()->actionBar(), &ActionBar::manageClicked, this, [this](int mode) {
    QTimer::singleShot(0, this, [this, mode] { OpenManageDialog(g_, mode, false); });
  });
  connect(main_.board()->bankruptButton(), &QAbstractButton::clicked, this,
          [this] { QTimer::singleShot(0, this, [this] { BankruptClick(g_); }); });
}

QtFrontEnd::~QtFrontEnd() {
  SetOnOutermostLevel({});
  for (auto& w : windows_) delete w.data();
  delete tip_.data();
  if (g_.ui == this) g_.ui = nullptr;
}

void QtFrontEnd::SetWindowFactory(GameWindow w, WindowFactory make) {
  factories_[static_cast<int>(w)] = std::move(make);
}

bool QtFrontEnd::Stopping() const {
  return g_.GameOver != 0 || g_.ExitRequested;
}

// --- New game --------------------------------------------------------------

void QtFrontEnd::OpenNewGameDialog() {
  if (!main_.OnTitleScreen() || g_.SetupDialogOpen) return;
  bool play = false;
  {
    SetupDialog dialog(g_, &main_);
    play = dialog.Run();
    if (play) {
      dialog.setup().CreatePlayers(
          [](const std::string& name) { return BoardNameWidth(QString::fromStdString(name)); });
    }
  }
  if (!play) return;
  // The game starts from the event loop, with the dialog gone.
  QTimer::singleShot(0, this, [this] { StartNewGame(g_); });
}

// --- Windows ---------------------------------------------------------------

SkinnedWindow* QtFrontEnd::Make(GameWindow w) {
  const WindowFactory& make = factories_[static_cast<int>(w)];
  return make ? make(g_, &main_) : nullptr;
}

void QtFrontEnd::ShowWindow(GameWindow w, WindowMode mode) {
  const int i = static_cast<int>(w);
  if (SkinnedWindow* old = windows_[i]) {
    // The window opens afresh (a reload in another mode, a new turn).
    windows_[i] = nullptr;
    old->close();
    old->deleteLater();
  }
  SkinnedWindow* win = Make(w);
  if (!win) return;
  windows_[i] = win;
  connect(win, &SkinnedWindow::closed, this, [this, i, win] {
    if (windows_[i] == win) windows_[i] = nullptr;
    win->deleteLater();
  });
  const bool robot = g_.Players[g_.CurPlayer].IsRobot;
  if (robot) win->setAttribute(Qt::WA_ShowWithoutActivating);
  if (mode == WindowMode::Modal) {
    RunModal(win);
    return;
  }
  win->show();
  RaiseWindow(win);
  if (!robot) win->activateWindow();
}

void QtFrontEnd::CloseWindow(GameWindow w) {
  const int i = static_cast<int>(w);
  SkinnedWindow* win = windows_[i];
  if (!win) return;
  windows_[i] = nullptr;
  win->close();
  main_.activateWindow();
}

void QtFrontEnd::CloseEveryGameWindow() {
  // The rules close their windows by their open flags; anything still on
  // screen after that (a window whose flag was lost) goes too, silently.
  CloseAllGameWindows(g_);
  for (auto& w : windows_) {
    if (SkinnedWindow* win = w) {
      w = nullptr;
      win->close();
    }
  }
  if (TipWindow* tip = tip_) {
    tip_ = nullptr;
    tip->close();
  }
  main_.CloseGameMenu();
  main_.CloseHoverCard();
}

void QtFrontEnd::MessageBox(std::string_view title, std::string_view text) {
  Warn(&main_, Q(title), Q(text));
}

// --- Messages --------------------------------------------------------------

void QtFrontEnd::ShowTip(std::string_view text, int seconds) {
  if (TipWindow* old = tip_) {
    tip_ = nullptr;
    old->close();
    old->deleteLater();
  }
  if (!main_.isVisible()) return;
  auto* tip = new TipWindow(g_, &main_, Q(text), seconds);
  tip_ = tip;
  connect(tip, &SkinnedWindow::closed, tip, &QObject::deleteLater);
  RunModal(tip);
  if (tip_ == tip) tip_ = nullptr;
  main_.activateWindow();
}

void QtFrontEnd::AddHistory(std::string_view text) {
  main_.side()->history()->Add(Q(text));
}

// --- Sound -----------------------------------------------------------------

void QtFrontEnd::PlayWave(Sound s, WaveMode mode) {
  if (sound_) sound_->PlayWave(s, mode);
}

void QtFrontEnd::StopWave() {
  if (sound_) sound_->StopWave();
}

void QtFrontEnd::PlayMusic(Music m) {
  if (sound_) sound_->PlayMusic(m);
}

// --- Time and events -------------------------------------------------------

void QtFrontEnd::Pause(int ms) {
  const auto stop = [this] { return Stopping(); };
  WaitMs(Scaled(ms), stop);
  // The game menu (or a hidden game) holds every pause until it is gone.
  while (g_.Paused && !Stopping() && !EventLoopsEnding()) WaitMs(25, stop);
}

void QtFrontEnd::ProcessEvents() {
  PumpEvents();
}

void QtFrontEnd::Post(std::function<void()> task, int delay_ms) {
  const int delay = Scaled(std::max(delay_ms, 0));
  Task t{NowMs() + delay, std::move(task)};
  // Ordered by due time, then by posting order.
  auto pos = std::upper_bound(posted_.begin(), posted_.end(), t,
                              [](const Task& a, const Task& b) { return a.due < b.due; });
  posted_.insert(pos, std::move(t));
  SchedulePosted(delay);
}

void QtFrontEnd::SchedulePosted(int delay_ms) {
  QTimer::singleShot(delay_ms, this, &QtFrontEnd::RunPosted);
}

void QtFrontEnd::RunPosted() {
  if (posted_.empty()) return;
  if (NestingDepth() > 0) {
    // Inside a pause or a modal window: posted work waits for the outermost
    // loop, or it would run nested in the turn that posted it.
    run_when_outermost_ = true;
    return;
  }
  run_when_outermost_ = false;
  const qint64 now = NowMs();
  if (posted_.front().due > now) {
    SchedulePosted(static_cast<int>(posted_.front().due - now));
    return;
  }
  Task t = std::move(posted_.front());
  posted_.pop_front();
  t.run();
  if (!posted_.empty()) SchedulePosted(0);
}

// --- Board and panels ------------------------------------------------------

void QtFrontEnd::DrawPlayerMove(int x, int y) {
  main_.board()->DrawPlayerMove(x, y);
  Pause(20);
}

void QtFrontEnd::EraseToken(int player) {
  main_.board()->EraseToken(player);
}

void QtFrontEnd::DrawDice(int total) {
  main_.board()->DrawDice(total);
}

void QtFrontEnd::DrawMap() {
  main_.board()->LayOut(main_.width(), main_.height());
}

void QtFrontEnd::RefreshGame() {
  main_.board()->Redraw();
  main_.side()->RefreshCash();
  for (auto& w : windows_) {
    if (auto* r = qobject_cast<RefreshingWindow*>(w.data())) r->Refresh();
  }
}

void QtFrontEnd::CurrentPlayer(int player) {
  main_.side()->CurrentPlayer(player);
}

void QtFrontEnd::ExchangePic(int hide_player) {
  main_.board()->ExchangePic(hide_player);
}

void QtFrontEnd::SetTurnMarker(int player, bool visible) {
  main_.side()->SetTurnMarker(player, visible);
}

void QtFrontEnd::ShowBankruptButton(bool visible) {
  PictureButton* b = main_.board()->bankruptButton();
  b->setVisible(visible);
  if (visible) b->raise();
}

void QtFrontEnd::UpdateActionMenu(const ActionMenuState& state) {
  main_.board()->actionBar()->SetState(state);
}

void QtFrontEnd::MarkBankrupt(int player) {
  main_.side()->MarkBankrupt(player);
}

void QtFrontEnd::ShowWinner(int player) {
  main_.side()->ShowWinner(player);
}

void QtFrontEnd::ShowGameScreen() {
  CloseEveryGameWindow();
  main_.ShowGameScreen();
}

void QtFrontEnd::HideGameScreen() {
  main_.ShowTitleScreen();
}

void QtFrontEnd::ReturnToTitle() {
  CloseEveryGameWindow();
  main_.ShowTitleScreen();
  PlayMusic(Music::Begin);
}

void QtFrontEnd::CloseMainWindow() {
  CloseEveryGameWindow();
  main_.CloseWithoutAsking();
}

int QtFrontEnd::NameWidth(std::string_view name) {
  return BoardNameWidth(Q(name));
}

}  // namespace quorbis::ui
