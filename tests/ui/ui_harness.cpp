#include "ui_harness.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include "engine/turn.h"
#include "render/board_renderer.h"
#include "state/new_game.h"
#include "state/startup.h"
#include "ui/look.h"
#include "ui/pump.h"

namespace quorbis::ui::testing {

GameOnScreen::GameOnScreen(uint64_t seed, double speed) : game_(std::make_unique<Game>()) {
  QApplication::setQuitOnLastWindowClosed(false);
  SetSpeedFactor(speed);
  SetOptionDefaults(*game_);
  game_->rng.Seed(seed);
  ResolvePaths(*game_, QUORBIS_TEST_BIN_DIR);
  SetPictureRoot(QString::fromStdString(game_->AppPath));
  window_ = std::make_unique<MainWindow>(*game_);
  fe_ = std::make_unique<QtFrontEnd>(*game_, *window_);
  window_->resize(1024, 768);
  window_->show();
  QTest::qWait(1);
}

GameOnScreen::~GameOnScreen() {
  game_->GameOver = 1;
  fe_->CloseEveryGameWindow();
  fe_.reset();
  window_.reset();
}

void GameOnScreen::StartGame(const std::vector<Seat>& seats, Dollars cash) {
  Game& g = *game_;
  for (Player& p : g.Players) p = Player{};
  g.PlayerCount = static_cast<int>(seats.size());
  for (size_t i = 0; i < seats.size(); ++i) {
    Player& p = g.Players[i];
    p.Name = seats[i].name;
    p.IsRobot = seats[i].robot;
    p.Level = seats[i].level;
    p.Cash = cash;
    p.Worth = cash;
    p.Ranking = 1;
    p.PassedGo = true;
    p.Icon = static_cast<int>(i) * 3;
    p.ColorIndex = static_cast<int>(i);
    p.Color = kPlayerColors[i];
    p.NameWidth = BoardNameWidth(QString::fromStdString(seats[i].name));
  }
  QTimer::singleShot(0, fe_.get(), [&g] { StartNewGame(g); });
}

bool GameOnScreen::IsOpen(GameWindow w) const {
  return fe_->Window(w) != nullptr && fe_->Window(w)->isVisible();
}

bool WaitUntil(const std::function<bool()>& done, int timeout_ms) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > timeout_ms) return false;
    QTest::qWait(2);
  }
  return true;
}

void AnswerNextMessageBox(QMessageBox::StandardButton button, QString* text) {
  auto* timer = new QTimer(qApp);
  auto* clock = new QElapsedTimer;
  clock->start();
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, [timer, clock, button, text] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) {
      for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* b = qobject_cast<QMessageBox*>(w); b && b->isVisible()) box = b;
      }
    }
    if (box) {
      if (text) *text = box->text();
      if (QAbstractButton* b = box->button(button)) b->click();
    }
    if (box || clock->elapsed() > 10000) {
      timer->stop();
      timer->deleteLater();
      delete clock;
    }
  });
  timer->start();
}

void HoverAt(QWidget* w, QPoint pos) {
  QMouseEvent move(QEvent::MouseMove, QPointF(pos), QPointF(w->mapToGlobal(pos)), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(w, &move);
}

QStringList WindowsOnScreen() {
  QStringList names;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->isVisible() && w->objectName() != QStringLiteral("main"))
      names << (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                          : w->objectName());
  }
  return names;
}

}  // namespace quorbis::ui::testing
