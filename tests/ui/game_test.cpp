// Whole games through the real windows: a person playing against three
// computer players with the mouse, four computer players on their own, and a
// person who always takes the first choice offered, each to its end.
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include "engine/turn.h"
#include "engine/ui_calls.h"
#include "person_bot.h"
#include "ui/dice_window.h"
#include "ui/manage_window.h"
#include "ui/property_window.h"
#include "ui/pump.h"
#include "ui/setup_dialog.h"
#include "ui_harness.h"

using namespace quorbis;
using namespace quorbis::ui;
using namespace quorbis::ui::testing;

namespace {

bool PersonDiceOpen(GameOnScreen& s, int mode) {
  auto* d = s.Open<DiceWindow>(GameWindow::Dice);
  return d && d->isVisible() && d->mode() == mode && !s.g().Players[s.g().CurPlayer].IsRobot;
}

}  // namespace

class GameTest : public QObject {
  Q_OBJECT
 private slots:
  void personBuysMortgagesAndQuitsMidTurn();
  void computerPlayersPlayToTheEnd();
  void firstChoicePersonPlaysToTheEnd();
};

void GameTest::personBuysMortgagesAndQuitsMidTurn() {
  GameOnScreen s(11);
  Game& g = s.g();
  QVERIFY(s.window().OnTitleScreen());

  // The set-up dialog: the default person and computer player, and the two
  // other columns switched on as computer players.
  QTimer::singleShot(30, [] {
    SetupDialog* d = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* sd = qobject_cast<SetupDialog*>(w); sd && sd->isVisible()) d = sd;
    QVERIFY(d);
    d->takePart(2)->click();
    d->takePart(3)->click();
    QCOMPARE(d->kind(2)->currentText(), QStringLiteral("PC"));
    d->playButton()->click();
  });
  QTest::mouseClick(s.window().titleButton(0), Qt::LeftButton);
  QVERIFY(WaitUntil([&] { return g.GameRunning; }));
  QCOMPARE(g.PlayerCount, 4);
  QVERIFY(!s.window().OnTitleScreen());
  int person = -1;
  for (int i = 0; i < 4; ++i)
    if (!g.Players[i].IsRobot) person = i;
  QVERIFY(person >= 0);

  // Throw for the person until a square is bought through the property
  // window; every other window is answered as a player would.
  PersonBot bot(s);
  int bought = -1;
  bot.before = [&] {
    if (bought >= 0) return true;  // the test takes over
    auto* p = s.Open<PropertyWindow>(GameWindow::Property);
    if (p && p->isVisible() && g.CurPlayer == person && p->button(kActBuy)->isVisible() &&
        p->button(kActBuy)->isEnabled()) {
      const int square = g.CurSquare;
      const Dollars cash = g.Players[person].Cash;
      QTest::mouseClick(p->button(kActBuy), Qt::LeftButton);
      if (WaitUntil([&] { return g.Squares[square].Owner == person; }) &&
          g.Players[person].Cash == cash - g.Squares[square].Price)
        bought = square;
      else
        bought = 999;
      return true;
    }
    return false;
  };
  bot.Start();
  QVERIFY2(WaitUntil([&] { return bought >= 0 || !g.GameRunning; }, 120000), "no purchase");
  QVERIFY2(bought != 999, "the purchase did not take the price");
  QVERIFY(g.GameRunning);
  QVERIFY(WaitUntil([&] { return PersonDiceOpen(s, 1); }));

  // The end of the person's turn: mortgage and unmortgage the square in the
  // asset window opened from the action bar.
  ActionBar* bar = s.window().board()->actionBar();
  QVERIFY(bar->Button(3)->isVisible());
  const Dollars before = g.Players[person].Cash;
  QTest::mouseClick(bar->Button(3), Qt::LeftButton);
  QVERIFY(WaitUntil([&] { return s.IsOpen(GameWindow::Manage); }));
  auto* m = s.Open<ManageWindow>(GameWindow::Manage);
  QCOMPARE(m->title(), QStringLiteral("Mortgage"));
  QVERIFY(m->CardEnabled(bought));
  HoverAt(m, m->CardRect(bought).center());
  QVERIFY2(m->detailText().contains(QStringLiteral("Mortgage Value: ")),
           qPrintable(m->detailText()));
  QTest::mouseClick(m, Qt::LeftButton, {}, m->CardRect(bought).center());
  QVERIFY(WaitUntil([&] { return g.Squares[bought].Mortgaged; }));
  QVERIFY(g.Players[person].Cash > before);
  QVERIFY(WaitUntil([&] { return !m->CardEnabled(bought); }));
  QTest::mouseClick(m->doneButton(), Qt::LeftButton);
  QVERIFY(WaitUntil([&] { return !s.IsOpen(GameWindow::Manage); }));
  QVERIFY(bar->Button(4)->isVisible());
  QTest::mouseClick(bar->Button(4), Qt::LeftButton);
  QVERIFY(WaitUntil([&] { return s.IsOpen(GameWindow::Manage); }));
  m = s.Open<ManageWindow>(GameWindow::Manage);
  QCOMPARE(m->title(), QStringLiteral("Unmortgage"));
  QTest::mouseClick(m, Qt::LeftButton, {}, m->CardRect(bought).center());
  QVERIFY(WaitUntil([&] { return !g.Squares[bought].Mortgaged; }));
  QTest::mouseClick(m->doneButton(), Qt::LeftButton);
  QVERIFY(WaitUntil([&] { return !s.IsOpen(GameWindow::Manage); }));
  QVERIFY(s.window().side()->history()->Text().contains(QStringLiteral(" unmortgaged ")));

  // The game menu mid-turn holds the game and lets it go again.
  QTest::mouseClick(bar->Button(0), Qt::LeftButton);
  QVERIFY(g.PopMenuOpen && g.Paused);
  QTest::mouseClick(bar->Button(0), Qt::LeftButton);
  QVERIFY(WaitUntil([&] { return !g.PopMenuOpen && !g.Paused; }));

  // Finish the turn, then QUIT from the menu while a computer player moves.
  QTest::mouseClick(s.Open<DiceWindow>(GameWindow::Dice)->button(), Qt::LeftButton);
  // A computer player's move runs inside nested waits, so the menu is
  // opened and answered from a timer, as a player's clicks would arrive.
  QString question;
  bool held = false;
  bool quit_clicked = false;
  QTimer watcher;
  watcher.setInterval(3);
  connect(&watcher, &QTimer::timeout, [&] {
    if (quit_clicked) return;
    if (!s.window().popMenu()) {
      if (g.GameRunning && g.Players[g.CurPlayer].IsRobot && g.Moving)
        QTest::mouseClick(bar->Button(0), Qt::LeftButton);
      return;
    }
    held = g.Paused && g.Moving;
    quit_clicked = true;
    AnswerNextMessageBox(QMessageBox::Yes, &question);
    QTest::mouseClick(s.window().popMenu(), Qt::LeftButton, {}, QPoint(82, 27));
  });
  watcher.start();
  QVERIFY(WaitUntil([&] { return quit_clicked; }, 60000));
  QVERIFY2(held, "the game menu did not hold the move");
  QCOMPARE(question, QStringLiteral("Are you sure to quit the game?"));
  QVERIFY(WaitUntil([&] { return s.window().OnTitleScreen(); }));
  QVERIFY(!g.GameRunning);
  QVERIFY(WaitUntil([&] { return WindowsOnScreen().isEmpty(); }));
  QVERIFY(WaitUntil([&] { return s.fe().PendingPosts() == 0; }));
  QVERIFY(s.window().OnTitleScreen());
  for (int i = 0; i < kGameWindowCount; ++i)
    QVERIFY2(!WindowOpenFlag(g, static_cast<GameWindow>(i)), "a window flag stayed set");
}

void GameTest::computerPlayersPlayToTheEnd() {
  GameOnScreen s(5, 400);
  Game& g = s.g();
  int winner_shown = 0;
  s.StartGame(
      {{"Ann", true, kHard}, {"Bob", true, kNormal}, {"Cid", true, kEasy}, {"Dee", true, kHard}});
  QVERIFY(WaitUntil([&] { return g.GameRunning; }));
  QVERIFY(WaitUntil(
      [&] {
        if (s.window().side()->current()->text().winner) ++winner_shown;
        return !g.GameRunning && s.window().OnTitleScreen();
      },
      300000));
  QVERIFY(g.GameOver != 0);
  QVERIFY(WaitUntil([&] { return WindowsOnScreen().isEmpty(); }));
  QVERIFY(s.window().side()->history()->Text().size() > 0);
  QVERIFY(!g.Paused);
}

void GameTest::firstChoicePersonPlaysToTheEnd() {
  GameOnScreen s(23, 1000);
  Game& g = s.g();
  PersonBot bot(s);
  // Little starting cash, so that debts, loans and bankruptcies come soon.
  s.StartGame({{"You", false}, {"Bob", true, kEasy}, {"Cid", true, kHard}}, 400);
  QVERIFY(WaitUntil([&] { return g.GameRunning; }));
  bot.Start();
  // Progress is the history growing. A person facing a window without a
  // way forward would stop it; the watch runs from a timer, since a modal
  // window holds the test's own waiting.
  QElapsedTimer still;
  still.start();
  qsizetype last = 0;
  QString stuck;
  QTimer watch;
  watch.setInterval(50);
  connect(&watch, &QTimer::timeout, [&] {
    const qsizetype now = s.window().side()->history()->Text().size();
    if (now != last) {
      last = now;
      still.restart();
    } else if (still.elapsed() > 20000 && stuck.isEmpty() && g.GameRunning) {
      stuck = QStringLiteral("stuck after '%1' with %2 open (bet %3 total %4 tip %5 depth %6)")
                  .arg(bot.last_action, WindowsOnScreen().join(QStringLiteral(", ")))
                  .arg(g.BetChoice)
                  .arg(g.BetTotal)
                  .arg(s.fe().Tip() != nullptr)
                  .arg(NestingDepth());
      bot.Stop();
      QuitGame(g, false);
    }
  });
  watch.start();
  QVERIFY2(WaitUntil([&] { return !g.GameRunning; }, 280000), "the game did not end");
  QVERIFY2(stuck.isEmpty(), qPrintable(stuck));
  bot.Stop();
  QVERIFY(WaitUntil([&] { return s.window().OnTitleScreen(); }));
  QVERIFY(WaitUntil([&] { return WindowsOnScreen().isEmpty(); }));
  QVERIFY(!g.Rolling && !g.DebtPending && !g.Paused);
  QVERIFY(bot.clicks > 0);
}

QTEST_MAIN(GameTest)
#include "game_test.moc"
