// The windows one by one: layout at every size, the panels and history, the
// tip, the set-up dialog's rules, the game menu, the dice, property and hover
// windows, closing everything when a game is left, and windows without their
// pictures.
#include <QAbstractButton>
#include <QApplication>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include "economy/manage.h"
#include "engine/turn.h"
#include "engine/ui_calls.h"
#include "ui/dice_window.h"
#include "ui/look.h"
#include "ui/manage_window.h"
#include "ui/menus.h"
#include "ui/plain_windows.h"
#include "ui/property_window.h"
#include "ui/pump.h"
#include "ui/setup_dialog.h"
#include "ui_harness.h"

using namespace quorbis;
using namespace quorbis::ui;
using namespace quorbis::ui::testing;

namespace {

// A game of people only: nothing moves until the test clicks.
void StartPeopleGame(GameOnScreen& s, int players = 4) {
  std::vector<Seat> seats;
  const char* const names[4] = {"Ann", "Bob", "Cid", "Dee"};
  for (int i = 0; i < players; ++i) seats.push_back({names[i], false});
  s.StartGame(seats);
  QVERIFY(WaitUntil([&] { return s.IsOpen(GameWindow::Dice); }));
}

}  // namespace

class WindowsTest : public QObject {
  Q_OBJECT
 private slots:
  void titleButtonsStandCentred_data();
  void titleButtonsStandCentred();
  void boardIsLaidOutAtEverySize();
  void panelsMoveAroundTheSelectedPlayer();
  void historyPutsNewestFirst();
  void tipClosesAfterItsSecondsPlusOneTick();
  void setupDialogKeepsAPersonAndTwoPlayers();
  void gameMenuChoosesByRowAndHoldsTheGame();
  void diceWindowPlacedOverTheBoardAndKeyboard();
  void propertyWindowOffersWhatTheCashAllows();
  void hoverCardFollowsBoardAndPanel();
  void leavingAGameClosesEveryWindow();
  void closingTheProgramMidTurnAsksThenEndsTheGame();
  void helpLinksOpenTheProjectPages();
  void windowsWorkWithoutTheirPictures();
};

void WindowsTest::titleButtonsStandCentred_data() {
  QTest::addColumn<int>("width");
  QTest::addColumn<QList<int>>("lefts");
  QTest::newRow("1024 wide: gaps of 22") << 1024 << QList<int>{44, 284, 524, 764};
  QTest::newRow("1280 wide: gaps of 58") << 1280 << QList<int>{116, 392, 668, 944};
  QTest::newRow("smallest window") << 878 << QList<int>{2, 221, 440, 659};
}

void WindowsTest::titleButtonsStandCentred() {
  QFETCH(int, width);
  QFETCH(QList<int>, lefts);
  GameOnScreen s;
  s.window().resize(width, 768);
  QTest::qWait(1);
  for (int i = 0; i < 4; ++i) {
    QCOMPARE(s.window().titleButton(i)->x(), lefts[i]);
    QCOMPARE(s.window().titleButton(i)->y(), 419);  // nearest(768 / 2 + 35)
  }
  QCOMPARE(s.window().versionLabel()->text(), QStringLiteral("Ver: 1.0.0"));
  QCOMPARE(s.window().versionLabel()->x(), width - s.window().versionLabel()->width() - 60);
}

void WindowsTest::boardIsLaidOutAtEverySize() {
  GameOnScreen s;
  StartPeopleGame(s, 2);
  const QSize sizes[] = {{1024, 768}, {1280, 1024}, {2000, 700}, {900, 1400}, {300, 200}};
  for (const QSize& size : sizes) {
    s.window().resize(size);
    QTest::qWait(1);
    // The window never shrinks below the smallest board.
    QVERIFY(s.window().width() >= kMinClientWidth && s.window().height() >= kMinClientHeight);
    const BoardGeometry& geo = s.window().board()->renderer().geometry();
    QVERIFY(geo.Valid);
    QCOMPARE(geo.MapWidth, s.window().width());
    QCOMPARE(s.window().board()->geometry(), QRect(geo.MapLeft, geo.MapTop, geo.B, geo.MapHeight));
    QCOMPARE(s.window().side()->x(), s.window().width() - 270);
    QVERIFY(s.window().board()->geometry().right() < s.window().side()->x());
    // The squares are laid out in the board picture for the mouse.
    QCOMPARE(s.g().Squares[0].Right, geo.BoardMax);
  }
}

void WindowsTest::panelsMoveAroundTheSelectedPlayer() {
  GameOnScreen s;
  StartPeopleGame(s, 4);
  SidePanel* side = s.window().side();
  s.fe().CurrentPlayer(1);
  const int tops[4] = {7, 84, 384, 461};
  for (int i = 0; i < 4; ++i) QCOMPARE(side->panel(i)->y(), tops[i]);
  QCOMPARE(side->current()->y(), 84);
  QCOMPARE(side->history()->y(), 538);

  Game& g = s.g();
  g.Players[1].Cash = -250;
  g.Players[2].Cash = 1500;
  g.Players[1].JailCards = 1;
  RefreshGame(g);
  s.fe().CurrentPlayer(1);
  QCOMPARE(side->panel(1)->text().cash, QStringLiteral("-$250"));
  QCOMPARE(side->panel(2)->text().cash, QStringLiteral("$1,500"));
  QCOMPARE(side->current()->jailCardsShown(), 1);
  QVERIFY(side->current()->worthText().startsWith(QStringLiteral("Worth: ")));
  QVERIFY(side->current()->worthText().contains(QStringLiteral("\r\nDep: $0            Loan: $0")));
  // A click on another portrait selects that player.
  QTest::mouseClick(side->panel(3), Qt::LeftButton, {}, QPoint(30, 30));
  QCOMPARE(side->current()->player(), 3);
}

void WindowsTest::historyPutsNewestFirst() {
  GameOnScreen s;
  HistoryPanel* h = s.window().side()->history();
  h->Clear();
  h->Add(QStringLiteral("Ann moved to Wall St"));
  h->Add(QStringLiteral("Bob & Co paid $5"));
  static const QRegularExpression entries(
      QStringLiteral("^(.+)\r\nBob & Co paid \\$5\r\n(.+)\r\nAnn moved to Wall St\r\n$"));
  const QRegularExpressionMatch m = entries.match(h->Text());
  QVERIFY2(m.hasMatch(), qPrintable(h->Text()));
  QCOMPARE(m.captured(1).size(), TimeOfDay().size());
}

void WindowsTest::tipClosesAfterItsSecondsPlusOneTick() {
  GameOnScreen s(7, 20);  // a tick of 50 ms
  int ticks_at_close = -1;
  QString shown;
  QTimer::singleShot(10, [&] {
    TipWindow* tip = s.fe().Tip();
    QVERIFY(tip);
    shown = tip->text();
    QVERIFY(s.g().TipWindowOpen);
    connect(tip, &SkinnedWindow::closed, [&, tip] { ticks_at_close = tip->ticks(); });
  });
  s.fe().ShowTip("Bob & Co starts first.", 1);
  // The caller went on only once the tip had closed itself.
  QCOMPARE(ticks_at_close, 2);
  QCOMPARE(shown, QStringLiteral("Bob & Co starts first."));
  QVERIFY(!s.g().TipWindowOpen);
}

void WindowsTest::setupDialogKeepsAPersonAndTwoPlayers() {
  GameOnScreen s;
  Game& g = s.g();
  auto* d = new SetupDialog(g, &s.window());
  d->show();
  QVERIFY(g.SetupDialogOpen);
  // The default columns: a person and a computer player, starting with 1500.
  QCOMPARE(d->cashText()->text(), QStringLiteral("1500"));
  d->takePart(1)->click();  // the only other player: refused
  QVERIFY(d->setup().column(1).takes_part);
  d->kind(0)->setCurrentIndex(1);
  emit d->kind(0)->activated(1);  // the only person becomes a computer: refused
  QCOMPARE(d->kind(0)->currentText(), QStringLiteral("User"));
  QVERIFY(!d->level(0)->isEnabled());
  QVERIFY(!d->name(2)->isEnabled());
  d->takePart(2)->click();
  QVERIFY(d->name(2)->isEnabled() && d->level(2)->isEnabled());
  const int cash[5] = {1200, 1500, 1800, 2100, 2400};
  for (int level = 0; level < 5; ++level) {
    d->cashLevel()->setValue(level);
    QCOMPARE(d->cashText()->text(), QString::number(cash[level]));
  }
  QCOMPARE(d->name(0)->maxLength(), 8);
  QTest::mouseClick(d->swatch(2), Qt::LeftButton);
  QVERIFY(d->colorPicker()->isVisible());
  d->ChooseColor(5);
  QVERIFY(!d->colorPicker()->isVisible());
  QCOMPARE(d->setup().column(2).color_index, 5);
  d->arrow(0, false)->click();
  QCOMPARE(d->setup().column(0).icon, 11);  // below the first portrait comes the last
  d->cancelButton()->click();
  delete d;
  QVERIFY(!g.SetupDialogOpen);
  QVERIFY(!g.GameRunning);
}

void WindowsTest::gameMenuChoosesByRowAndHoldsTheGame() {
  const struct {
    QPoint at;
    int item;
  } rows[] = {{{20, 30}, 0},  {{20, 60}, 1},  {{20, 100}, 2},  {{20, 140}, 3},
              {{20, 170}, 4}, {{20, 200}, 5}, {{160, 30}, -1}, {{20, 8}, -1}};
  for (const auto& row : rows) QCOMPARE(PopMenu::ItemAt(row.at), row.item);

  GameOnScreen s;
  StartPeopleGame(s, 2);
  s.window().OpenGameMenu();
  QVERIFY(s.g().PopMenuOpen && s.g().Paused);
  PopMenu* menu = s.window().popMenu();
  HoverAt(menu, QPoint(40, 100));
  QCOMPARE(menu->item(), 2);
  // A click elsewhere in the game closes the menu and lets the game go on.
  QTest::mouseClick(s.window().side(), Qt::LeftButton, {}, QPoint(5, 700));
  QVERIFY(WaitUntil([&] { return !s.g().PopMenuOpen && !s.g().Paused; }));
  QVERIFY(!s.window().popMenu());
}

void WindowsTest::diceWindowPlacedOverTheBoardAndKeyboard() {
  GameOnScreen s;
  StartPeopleGame(s, 2);
  auto* d = s.Open<DiceWindow>(GameWindow::Dice);
  QCOMPARE(d->mode(), 0);
  const QPoint origin = s.window().mapToGlobal(QPoint(0, 0));
  QCOMPARE(d->x(), origin.x() + ((s.window().width() - 270) - d->width()) / 2);
  QCOMPARE(d->y(), origin.y() + static_cast<int>(s.window().height() * 0.55));
  QTest::keyClick(d, Qt::Key_Return);
  QVERIFY(WaitUntil([&] { return s.g().LastDice >= 2; }));
  QVERIFY(WaitUntil([&] {
            auto* next = s.Open<DiceWindow>(GameWindow::Dice);
            return next && next->mode() == 1;
          }) ||
          !s.g().DiceDialogOpen);
}

void WindowsTest::propertyWindowOffersWhatTheCashAllows() {
  GameOnScreen s;
  StartPeopleGame(s, 2);
  Game& g = s.g();
  CloseGameWindow(g, GameWindow::Dice);
  const int square = 2;
  const Dollars price = g.Squares[square].Price;
  const struct {
    const char* name;
    Dollars cash;
    bool buy_enabled;
  } cases[] = {{"cash equal to the price", price, true}, {"a dollar short", price - 1, false}};
  for (const auto& c : cases) {
    g.Players[g.CurPlayer].Cash = c.cash;
    g.CurSquare = square;
    g.PropertyPlayer = g.CurPlayer;
    g.PropertySquare = square;
    OpenWindow(g, GameWindow::Property, WindowMode::Modeless);
    auto* p = s.Open<PropertyWindow>(GameWindow::Property);
    QVERIFY2(p->button(kActBuy)->isVisible(), c.name);
    QCOMPARE(p->button(kActBuy)->isEnabled(), c.buy_enabled);
    QVERIFY(p->button(kActCancel)->isEnabled());
    QVERIFY(!p->button(kActPayRent)->isVisible());
    QCOMPARE(QString::fromStdString(p->state().price), QStringLiteral("Price: $%1").arg(price));
    CloseGameWindow(g, GameWindow::Property);
  }
  // Another player's mortgaged square: pay nothing, no way to cancel.
  g.Squares[square].Owner = 1 - g.CurPlayer;
  g.Squares[square].OwnerName = g.Players[1 - g.CurPlayer].Name.Trimmed();
  g.Squares[square].Mortgaged = true;
  OpenWindow(g, GameWindow::Property, WindowMode::Modeless);
  auto* p = s.Open<PropertyWindow>(GameWindow::Property);
  QVERIFY(!p->button(kActCancel)->isVisible());
  QCOMPARE(p->button(kActPayRent)->text(), QStringLiteral("&Free Parking"));
  QTest::mouseClick(p->button(kActPayRent), Qt::LeftButton);
  QVERIFY(WaitUntil([&] { return !g.DetailDialogOpen; }));
}

void WindowsTest::hoverCardFollowsBoardAndPanel() {
  GameOnScreen s;
  StartPeopleGame(s, 2);
  Game& g = s.g();
  BoardView* board = s.window().board();
  const auto centre = [&](int sq) {
    const Square& r = g.Squares[sq];
    return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  };
  QTest::mouseClick(board, Qt::LeftButton, {}, centre(1));
  QVERIFY(s.window().hoverCard() && s.window().hoverCard()->square() == 1);
  QVERIFY(g.HoverCardOpen);
  QTest::mouseClick(board, Qt::LeftButton, {}, centre(4));
  QVERIFY(s.window().hoverCard() && s.window().hoverCard()->square() == 4);
  QTest::mouseClick(board, Qt::LeftButton, {}, centre(12));  // a corner closes it
  QVERIFY(!s.window().hoverCard());
  QCOMPARE(g.HoverSquare, -1);
  CurrentPanel* panel = s.window().side()->current();
  HoverAt(panel, panel->IconRect(6).center());
  QVERIFY(s.window().hoverCard() && s.window().hoverCard()->square() == 6);
  HoverAt(panel, QPoint(200, 20));
  QVERIFY(!s.window().hoverCard());
}

void WindowsTest::leavingAGameClosesEveryWindow() {
  GameOnScreen s;
  StartPeopleGame(s, 2);
  Game& g = s.g();
  // Windows of every kind left open at once, the asset dialog having hidden
  // a property dialog it would show again when it closes.
  g.PropertyPlayer = g.CurPlayer;
  g.PropertySquare = g.CurSquare = 2;
  OpenWindow(g, GameWindow::Property, WindowMode::Modeless);
  g.Squares[5].Owner = g.CurPlayer;
  OpenManageDialog(g, kSell, false);
  QVERIFY(!g.DetailDialogOpen && g.ManageDialogOpen);
  OpenWindow(g, GameWindow::Jail, WindowMode::Modeless);
  OpenWindow(g, GameWindow::Bank, WindowMode::Modeless);
  s.window().ShowHoverCard(3);
  QuitGame(g, false);
  QVERIFY(WaitUntil([&] { return s.window().OnTitleScreen(); }));
  QVERIFY(WaitUntil([&] { return WindowsOnScreen().isEmpty(); }));
  for (int i = 0; i < kGameWindowCount; ++i) {
    QVERIFY(!WindowOpenFlag(g, static_cast<GameWindow>(i)));
    QVERIFY(!s.fe().Window(static_cast<GameWindow>(i)));
  }
  QVERIFY(!g.HoverCardOpen);
}

void WindowsTest::closingTheProgramMidTurnAsksThenEndsTheGame() {
  GameOnScreen s;
  Game& g = s.g();
  s.StartGame({{"Ann", true}, {"Bob", true}});
  // The close arrives while a token moves, inside the turn's own waits.
  QString question;
  int attempts = 0;
  bool still_running_after_no = false;
  QTimer closer;
  closer.setInterval(3);
  connect(&closer, &QTimer::timeout, [&] {
    if (!g.Moving || attempts >= 2) return;
    ++attempts;
    AnswerNextMessageBox(attempts == 1 ? QMessageBox::No : QMessageBox::Yes, &question);
    s.window().close();
    if (attempts == 1) still_running_after_no = g.GameRunning && s.window().isVisible();
  });
  closer.start();
  QVERIFY(WaitUntil([&] { return attempts == 2; }, 30000));
  QCOMPARE(question, QStringLiteral("Are you sure to quit game?"));
  QVERIFY2(still_running_after_no, "answering No did not keep the game");
  QVERIFY(WaitUntil([&] { return !g.GameRunning && !s.window().isVisible(); }));
  QVERIFY(g.ExitRequested && g.GameOver != 0);
  QVERIFY(WaitUntil([&] { return WindowsOnScreen().isEmpty() && s.fe().PendingPosts() == 0; }));
}

void WindowsTest::helpLinksOpenTheProjectPages() {
  GameOnScreen s;
  QList<QUrl> opened;
  SetUrlOpener([&](const QUrl& url) { opened << url; });
  QTimer::singleShot(20, [&] {
    QVERIFY(s.g().HelpDialogOpen);
    auto* help = s.window().findChild<HelpWindow*>();
    QVERIFY(help);
    QVERIFY(help->findChild<QLabel*>(QStringLiteral("helpText"))
                ->text()
                .contains(QStringLiteral("F7 Key - Set game mute/unmute.")));
    help->findChild<QAbstractButton*>(QStringLiteral("contact0"))->click();
    help->findChild<QAbstractButton*>(QStringLiteral("contact1"))->click();
    help->findChild<QAbstractButton*>(QStringLiteral("ok"))->click();
  });
  QTest::mouseClick(s.window().titleButton(2), Qt::LeftButton);
  SetUrlOpener({});
  QCOMPARE(opened.size(), 2);
  QVERIFY(opened[0].toString().contains(QStringLiteral("readme"), Qt::CaseInsensitive));
  QVERIFY(opened[1].toString().endsWith(QStringLiteral("/issues")));
  QVERIFY(!s.g().HelpDialogOpen);
}

void WindowsTest::windowsWorkWithoutTheirPictures() {
  GameOnScreen s;
  SetPictureRoot(QStringLiteral("/nonexistent/"));
  StartPeopleGame(s, 2);
  Game& g = s.g();
  g.HoverSquare = 2;
  std::vector<SkinnedWindow*> windows = {
      new CardWindow(g, &s.window()),   new JailWindow(g, &s.window()),
      new BankWindow(g, &s.window()),   new CasinoWindow(g, &s.window()),
      new ManageWindow(g, &s.window()), new PropertyWindow(g, &s.window()),
      new HoverCard(g, &s.window()),    new CreditsWindow(g, &s.window()),
      new PopMenu(g, &s.window())};
  for (SkinnedWindow* w : windows) {
    if (auto* card = qobject_cast<HoverCard*>(w)) card->RefreshInfo();
    w->show();
    const QImage shot = w->grab().toImage();
    QVERIFY(!shot.isNull());
    // Drawn plainly, not left blank: text and frames on a background.
    QSet<QRgb> colours;
    for (int y = 0; y < shot.height(); y += 3)
      for (int x = 0; x < shot.width(); x += 3) colours.insert(shot.pixel(x, y));
    QVERIFY2(colours.size() >= 3, w->metaObject()->className());
    delete w;
  }
  const QImage title = s.window().grab().toImage();
  QVERIFY(!title.isNull());
  SetPictureRoot(QString::fromStdString(g.AppPath));
}

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
