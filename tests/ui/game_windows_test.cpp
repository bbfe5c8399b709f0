// The bank, card, casino and jail windows driven by clicks, for people and
// for computer players: what each shows, what each click does to the game,
// and which messages and history lines follow.
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <memory>
#include <set>

#include "cards/cards.h"
#include "cards/casino.h"
#include "cards/jail.h"
#include "economy/bank.h"
#include "engine/turn.h"
#include "engine/ui_calls.h"
#include "ui/plain_windows.h"
#include "ui/side_panel.h"
#include "window_test_support.h"

using namespace quorbis;
using namespace quorbis::ui;
using namespace quorbis::ui::testing;

namespace {

// A casino bet as the table on the wall reads, written out apart from the
// game's own rules: U even up to 10, L odd, K above 6, Y below 7, C only 12
// (paid twice).
bool BetWins(int field, int total) {
  switch (field) {
    case kBetU:
      return total % 2 == 0 && total <= 10;
    case kBetL:
      return total % 2 == 1;
    case kBetK:
      return total > 6;
    case kBetY:
      return total < 7;
    case kBetC:
      return total == 12;
    default:
      return false;
  }
}

int ZoneOfField(int field) {
  for (int zone = 0; zone < 5; ++zone)
    if (CasinoWindow::FieldOfZone(zone) == field) return zone;
  return -1;
}

void ClickField(CasinoWindow* w, int field) {
  QTest::mouseClick(w, Qt::LeftButton, {}, CasinoWindow::ZoneRect(ZoneOfField(field)).center());
}

void TypeStake(CasinoWindow* w, const QString& text) {
  w->stake()->selectAll();
  QTest::keyClick(w->stake(), Qt::Key_Backspace);
  QTest::keyClicks(w->stake(), text);
}

// Every card of the deck used but `keep`, so that the next draw is `keep`.
void OnlyCardLeft(Game& g, int deck, int keep) {
  auto& cards = deck == 0 ? g.LuckCards : g.ChanceCards;
  for (int i = 0; i < 16; ++i) cards[i].Used = i != keep;
}

}  // namespace

class GameWindowsTest : public QObject {
  Q_OBJECT
 private slots:
  void bankFrontPageOffersWhatTheAccountAllows();
  void bankBusinessMovesMoneyAndReturnsToTheFrontPage();
  void bankRefusalsAreWarningBoxesTitledBank();
  void computerPlayerBanksWithoutTheWindow();
  void casinoRefusalsAreWarningBoxesTitledBet();
  void casinoPaysAtItsOdds();
  void casinoFrameFlashesAndCoinFollowsTheLastChoice();
  void computerPlayerBetsWithoutTheWindow();
  void personCardWaitsForOk();
  void computerCardPlaysAndClosesItself();
  void jailButtonsFollowCardsAndStays();
  void jailClicksReleaseOrKeepThePerson_data();
  void jailClicksReleaseOrKeepThePerson();
  void computerPlayerDecidesInItsJailWindow();
};

// --- Bank ------------------------------------------------------------------

void GameWindowsTest::bankFrontPageOffersWhatTheAccountAllows() {
  GameOnScreen s;
  StartIdlePeopleGame(s, 2);
  Game& g = s.g();
  Player& p = g.Players[g.CurPlayer];
  const struct {
    const char* name;
    Dollars cash, deposit;
    bool withdrawal, loan;
  } cases[] = {
      {"cash only", 1000, 0, false, true},
      {"a deposit", 50, 200, true, true},
      {"five dollars and nothing else", 5, 0, false, false},
  };
  for (const auto& c : cases) {
    p.Cash = c.cash;
    p.Deposit = c.deposit;
    WhileModal(
        s, GameWindow::Bank, [&] { OpenBankDialog(g); },
        [&] {
          auto* bank = s.Open<BankWindow>(GameWindow::Bank);
          QVERIFY2(bank && bank->isVisible(), c.name);
          QCOMPARE(bank->choice(kBankDeposit)->text(), QStringLiteral("&Deposit"));
          QCOMPARE(bank->choice(kBankWithdrawal)->text(), QStringLiteral("&Withdrawal"));
          QCOMPARE(bank->choice(kBankLoan)->text(), QStringLiteral("&Loan"));
          QCOMPARE(bank->cancelButton()->text(), QStringLiteral("&Cancel"));
          QVERIFY2(bank->choice(kBankDeposit)->isEnabled(), c.name);
          QCOMPARE(bank->choice(kBankWithdrawal)->isEnabled(), c.withdrawal);
          QCOMPARE(bank->choice(kBankLoan)->isEnabled(), c.loan);
          QVERIFY(bank->cancelButton()->isVisible());
          QVERIFY(!bank->okButton()->isVisible());
          QTest::mouseClick(bank->cancelButton(), Qt::LeftButton);
          QVERIFY(WaitUntil([&] { return !s.fe().Window(GameWindow::Bank); }));
        });
    QVERIFY(!QTest::currentTestFailed());
    QVERIFY(!g.BankDialogOpen);
    QCOMPARE(g.GameOver, 0);
  }
}

void GameWindowsTest::bankBusinessMovesMoneyAndReturnsToTheFrontPage() {
  GameOnScreen s;
  StartIdlePeopleGame(s, 2);
  Game& g = s.g();
  Player& p = g.Players[g.CurPlayer];
  p.Cash = 1000;
  WhileModal(
      s, GameWindow::Bank, [&] { OpenBankDialog(g); },
      [&] {
        auto* bank = s.Open<BankWindow>(GameWindow::Bank);
        QVERIFY(bank);
        const auto business = [&](int kind, const char* amount) {
          QTest::mouseClick(bank->choice(kind), Qt::LeftButton);
          QVERIFY(bank->okButton()->isVisible());
          QVERIFY(bank->backButton()->isVisible());
          QVERIFY(!bank->choice(kind)->isVisible());
          bank->amount()->setText(QString::fromLatin1(amount));
          QTest::mouseClick(bank->okButton(), Qt::LeftButton);
          // A completed business goes back to the front page.
          QVERIFY(WaitUntil([&] { return bank->choice(kind)->isVisible(); }));
        };
        business(kBankDeposit, "400");
        QCOMPARE(p.Cash, Dollars{600});
        QCOMPARE(p.Deposit, Dollars{400});
        QVERIFY(bank->choice(kBankWithdrawal)->isEnabled());
        business(kBankWithdrawal, "150.5");  // half to even: 150
        QCOMPARE(p.Cash, Dollars{750});
        QCOMPARE(p.Deposit, Dollars{250});
        business(kBankLoan, "300");
        QCOMPARE(p.Cash, Dollars{1050});
        QCOMPARE(p.Loan, Dollars{300});
        // Back leaves the page without doing business.
        QTest::mouseClick(bank->choice(kBankDeposit), Qt::LeftButton);
        QTest::mouseClick(bank->backButton(), Qt::LeftButton);
        QVERIFY(bank->choice(kBankDeposit)->isVisible());
        QCOMPARE(p.Cash, Dollars{1050});
        QTest::mouseClick(bank->cancelButton(), Qt::LeftButton);
        QVERIFY(WaitUntil([&] { return !s.fe().Window(GameWindow::Bank); }));
      });
  QVERIFY(!QTest::currentTestFailed());
  QCOMPARE(g.GameOver, 0);
  QVERIFY(!g.BankDialogOpen);
}

void GameWindowsTest::bankRefusalsAreWarningBoxesTitledBank() {
  GameOnScreen s;
  StartIdlePeopleGame(s, 2);
  Game& g = s.g();
  Player& p = g.Players[g.CurPlayer];
  p.Cash = 1000;
  p.Deposit = 300;  // no squares: the loan limit is 1000 + 300 = 1300
  const struct {
    const char* name;
    int business;
    const char* amount;
    const char* message;
  } cases[] = {
      {"deposit below 100", kBankDeposit, "99",
       "The minimum amount of the deposit is $100. Please reset."},
      {"deposit of no number", kBankDeposit, "plenty",
       "The minimum amount of the deposit is $100. Please reset."},
      {"deposit above the cash", kBankDeposit, "1001",
       "The amount of the deposit is more than your cash in hand. Please reset."},
      {"withdrawal above the deposit", kBankWithdrawal, "301",
       "The withdrawal amount is more than your deposits. Please reset."},
      {"loan above the limit", kBankLoan, "1301",
       "The amount of the loan is more than your maximum loan. Please reset."},
      {"loan below 100", kBankLoan, "99", "The minimum amount of the loan is $100. Please reset."},
  };
  WhileModal(
      s, GameWindow::Bank, [&] { OpenBankDialog(g); },
      [&] {
        auto* bank = s.Open<BankWindow>(GameWindow::Bank);
        QVERIFY(bank);
        for (const auto& c : cases) {
          QTest::mouseClick(bank->choice(c.business), Qt::LeftButton);
          bank->amount()->setText(QString::fromLatin1(c.amount));
          SeenBox box;
          CatchNextBox(&box);
          QTest::mouseClick(bank->okButton(), Qt::LeftButton);
          QVERIFY2(WaitUntil([&] { return box.seen; }), c.name);
          QCOMPARE(box.title, QStringLiteral("Bank"));
          QCOMPARE(box.icon, QMessageBox::Warning);
          QCOMPARE(box.text, QString::fromLatin1(c.message));
          // Nothing changed and the page stays open for another try.
          QTest::qWait(5);
          QCOMPARE(p.Cash, Dollars{1000});
          QCOMPARE(p.Deposit, Dollars{300});
          QCOMPARE(p.Loan, Dollars{0});
          QVERIFY2(bank->okButton()->isVisible(), c.name);
          QTest::mouseClick(bank->backButton(), Qt::LeftButton);
        }
        QTest::mouseClick(bank->cancelButton(), Qt::LeftButton);
        QVERIFY(WaitUntil([&] { return !s.fe().Window(GameWindow::Bank); }));
      });
  QVERIFY(!QTest::currentTestFailed());
  QCOMPARE(g.GameOver, 0);
}

void GameWindowsTest::computerPlayerBanksWithoutTheWindow() {
  GameOnScreen s;
  StartIdlePeopleGame(s, 2);
  Game& g = s.g();
  Player& p = g.Players[g.CurPlayer];
  p.IsRobot = true;
  p.Level = kEasy;
  p.PassedGo = true;
  p.Cash = 2000;
  p.Loan = 1000;
  bool bank_seen = false;
  Sampler sampler([&] { bank_seen |= s.fe().Window(GameWindow::Bank) != nullptr; });
  auto returned = RunLater([&] { SettleBankAccount(g); });
  QVERIFY(WaitUntil([&] { return *returned; }));
  QVERIFY(!bank_seen);
  QCOMPARE(p.Loan, Dollars{0});
  QVERIFY(HistoryText(s).contains(QStringLiteral("Ann repaid the loan of $1,150")));
}

// --- Casino ----------------------------------------------------------------

void GameWindowsTest::casinoRefusalsAreWarningBoxesTitledBet() {
  GameOnScreen s;
  StartIdlePeopleGame(s, 2);
  Game& g = s.g();
  Player& p = g.Players[g.CurPlayer];
  p.Cash = 200;
  const struct {
    const char* name;
    const char* stake;
    int field;
    const char* message;
  } cases[] = {
      {"stake of 9", "9", kBetU, "The minimum bet amount is 10. Please rebet."},
      {"no stake", "", kBetU, "The minimum bet amount is 10. Please rebet."},
      {"a dollar over the cash", "201", kBetK,
       "The bet amount is more than your cash. Please rebet."},
      {"no field chosen", "10", -1, "Please do a choice. What you wanna bet."},
  };
  for (const auto& c : cases) {
    WhileModal(
        s, GameWindow::Casino, [&] { OpenCasinoWindow(g); },
        [&] {
          auto* casino = s.Open<CasinoWindow>(GameWindow::Casino);
          QVERIFY(casino);
          QCOMPARE(casino->stake()->text(), QStringLiteral("10"));
          QCOMPARE(casino->playButton()->text(), QStringLiteral("&Play"));
          QCOMPARE(casino->playButton()->toolTip(), QStringLiteral("Click to play"));
          QCOMPARE(casino->cancelButton()->text(), QStringLiteral("&Cancel"));
          if (c.field >= 0) ClickField(casino, c.field);
          TypeStake(casino, QString::fromLatin1(c.stake));
          SeenBox box;
          CatchNextBox(&box);
          QTest::mouseClick(casino->playButton(), Qt::LeftButton);
          QVERIFY2(WaitUntil([&] { return box.seen; }), c.name);
          QCOMPARE(box.title, QStringLiteral("Bet"));
          QCOMPARE(box.icon, QMessageBox::Warning);
          QCOMPARE(box.text, QString::fromLatin1(c.message));
          QTest::qWait(5);
          QCOMPARE(p.Cash, Dollars{200});
          QVERIFY2(g.BetDialogOpen && casino->isVisible(), c.name);
          QTest::mouseClick(casino->cancelButton(), Qt::LeftButton);
          QVERIFY(WaitUntil([&] { return !s.fe().Window(GameWindow::Casino); }));
        });
    QVERIFY(!QTest::currentTestFailed());
    QCOMPARE(g.GameOver, 0);
    QCOMPARE(p.Cash, Dollars{200});
  }
}

void GameWindowsTest::casinoPaysAtItsOdds() {
  GameOnScreen s(11);
  StartIdlePeopleGame(s, 2);
  Game& g = s.g();
  Player& p = g.Players[g.CurPlayer];
  // The total is only on the table while the result is shown.
  int total = 0;
  Sampler sampler([&] {
    if (g.BetTotal > 0) total = g.BetTotal;
  });
  int wins = 0, losses = 0;
  for (int round = 0; round < 30; ++round) {
    const int field = round % kBetFieldCount;
    p.Cash = 1000;
    total = 0;
    const QString before = HistoryText(s);
    WhileModal(
        s, GameWindow::Casino, [&] { OpenCasinoWindow(g); },
        [&] {
          auto* casino = s.Open<CasinoWindow>(GameWindow::Casino);
          QVERIFY(casino);
          ClickField(casino, field);
          TypeStake(casino, QStringLiteral("1x00"));  // letters are dropped as typed
          QCOMPARE(casino->stake()->text(), QStringLiteral("100"));
          QTest::mouseClick(casino->playButton(), Qt::LeftButton);
          QVERIFY(WaitUntil([&] { return !s.fe().Window(GameWindow::Casino); }));
        });
    QVERIFY(!QTest::currentTestFailed());
    QCOMPARE(g.GameOver, 0);
    QVERIFY2(total >= 2 && total <= 12, "the total was shown");
    const bool won = BetWins(field, total);
    const Dollars paid = field == kBetC ? 200 : 100;
    const QString line =
        won ? QStringLiteral("Congratulations Ann! You won $%1 in Atlantic City").arg(paid)
            : QStringLiteral("Sorry Ann! You lost $100 in Atlantic City");
    QCOMPARE(p.Cash, won ? 1000 + paid : Dollars{900});
    QVERIFY2(AddedSince(s, before).contains(line), qPrintable(line));
    (won ? wins : losses) += 1;
  }
  QVERIFY(wins > 0 && losses > 0);
}

void GameWindowsTest::casinoFrameFlashesAndCoinFollowsTheLastChoice() {
  GameOnScreen s;
  StartIdlePeopleGame(s, 2);
  Game& g = s.g();
  const Dollars cash = g.Players[g.CurPlayer].Cash;
  WhileModal(
      s, GameWindow::Casino, [&] { OpenCasinoWindow(g); },
      [&] {
        auto* casino = s.Open<CasinoWindow>(GameWindow::Casino);
        QVERIFY(casino);
        QCOMPARE(CasinoWindowFor(g).dice, std::string("CASINO"));
        // The frame runs through its five colours while the window waits.
        std::set<Rgb> frames;
        Sampler sampler([&] { frames.insert(CasinoWindowFor(g).frame); });
        QVERIFY(WaitUntil([&] { return frames.size() == 5; }));
        QVERIFY(frames.count(RGB(255, 0, 0)) && frames.count(RGB(0, 0, 0)));
        QCOMPARE(CasinoWindowFor(g).choice, -1);
        ClickField(casino, kBetC);
        QCOMPARE(CasinoWindowFor(g).choice, int{kBetC});
        ClickField(casino, kBetL);
        QCOMPARE(CasinoWindowFor(g).choice, int{kBetL});
        QTest::mouseClick(casino->cancelButton(), Qt::LeftButton);
        QVERIFY(WaitUntil([&] { return !s.fe().Window(GameWindow::Casino); }));
      });
  QVERIFY(!QTest::currentTestFailed());
  QCOMPARE(g.GameOver, 0);
  QVERIFY(!g.BetDialogOpen);
  QCOMPARE(g.Players[g.CurPlayer].Cash, cash);  // cancelled: no bet
}

void GameWindowsTest::computerPlayerBetsWithoutTheWindow() {
  GameOnScreen s;
  StartIdlePeopleGame(s, 2);
  Game& g = s.g();
  Player& p = g.Players[g.CurPlayer];
  p.IsRobot = true;
  p.Level = kEasy;
  p.Cash = 101;  // an Easy player bets $10 from $101 on
  bool casino_seen = false;
  Sampler sampler([&] { casino_seen |= s.fe().Window(GameWindow::Casino) != nullptr; });
  auto returned = RunLater([&] { RobotBet(g); });
  QVERIFY(WaitUntil([&] { return *returned; }));
  QVERIFY(!casino_seen);
  if (p.Cash == 111) {
    QVERIFY(HistoryText(s).contains(QStringLiteral("Congratulations Ann! You won $10")));
  } else {
    QCOMPARE(p.Cash, Dollars{91});
    QVERIFY(HistoryText(s).contains(QStringLiteral("Sorry Ann! You lost $10")));
  }
}

// --- Cards -----------------------------------------------------------------

void GameWindowsTest::personCardWaitsForOk() {
  GameOnScreen s;
  StartIdlePeopleGame(s, 2);
  Game& g = s.g();
  Player& p = g.Players[g.CurPlayer];
  const Dollars cash = p.Cash;
  OnlyCardLeft(g, 0, 9);  // bank error in your favour: +200
  g.CardDeck = 0;
  g.CurSquare = p.Position = 3;
  RobotDestinyAction(g);  // a person's window returns at once
  QVERIFY(s.IsOpen(GameWindow::Card));
  auto* card = s.Open<CardWindow>(GameWindow::Card);
  QVERIFY(!card->okButton()->isVisible());
  QCOMPARE(card->text(), QString::fromStdString(g.LuckCards[9].Text.Trimmed()).toUpper());
  QVERIFY(WaitUntil([&] { return card->okButton()->isVisible(); }));
  QCOMPARE(card->okButton()->text(), QStringLiteral("&OK"));
  QCOMPARE(p.Cash, cash + 200);
  QVERIFY(HistoryText(s).contains(QStringLiteral("Ann, ") +
                                  QString::fromStdString(g.LuckCards[9].Text.Trimmed())));
  // The window waits for the person, then the turn goes on.
  QTest::qWait(20);
  QVERIFY(s.IsOpen(GameWindow::Card));
  QTest::mouseClick(card->okButton(), Qt::LeftButton);
  QVERIFY(WaitUntil([&] { return !g.CardDialogOpen && !s.fe().Window(GameWindow::Card); }));
  QVERIFY(WaitUntil([&] { return s.IsOpen(GameWindow::Dice); }));
}

void GameWindowsTest::computerCardPlaysAndClosesItself() {
  GameOnScreen s;
  StartIdlePeopleGame(s, 2);
  Game& g = s.g();
  Player& p = g.Players[g.CurPlayer];
  p.IsRobot = true;
  const Dollars cash = p.Cash;
  OnlyCardLeft(g, 1, 11);  // bank dividend: +50
  g.CardDeck = 1;
  g.CurSquare = p.Position = 9;
  bool card_seen = false, ok_seen = false;
  Sampler sampler([&] {
    if (auto* w = qobject_cast<CardWindow*>(s.fe().Window(GameWindow::Card))) {
      card_seen = true;
      ok_seen |= w->okButton()->isVisible();
    }
  });
  auto returned = RunLater([&] { RobotDestinyAction(g); });
  QVERIFY(WaitUntil([&] { return *returned; }));
  QVERIFY(card_seen);
  QVERIFY(!ok_seen);
  QVERIFY(!g.CardDialogOpen && !s.fe().Window(GameWindow::Card));
  QCOMPARE(p.Cash, cash + 50);
  QVERIFY(g.ChanceCards[11].Used);
  QVERIFY(HistoryText(s).contains(QStringLiteral("Ann, ") +
                                  QString::fromStdString(g.ChanceCards[11].Text.Trimmed())));
}

// --- Jail ------------------------------------------------------------------

void GameWindowsTest::jailButtonsFollowCardsAndStays() {
  GameOnScreen s;
  StartIdlePeopleGame(s, 2);
  Game& g = s.g();
  Player& p = g.Players[g.CurPlayer];
  const struct {
    int cards, stays;
    bool use_card, stay;
  } cases[] = {{0, 0, false, true}, {1, 1, true, true}, {2, 2, true, false}};
  for (const auto& c : cases) {
    p.InJail = true;
    p.Position = 12;
    p.JailCards = static_cast<int16_t>(c.cards);
    p.JailTurns = static_cast<int16_t>(c.stays);
    OpenJailWindow(g);
    auto* jail = s.Open<JailWindow>(GameWindow::Jail);
    QVERIFY(jail);
    QCOMPARE(jail->button(kPostBail)->text(), QStringLiteral("&Post Bail $50"));
    QCOMPARE(jail->button(kStayInJail)->text(), QStringLiteral("&Stay in Jail"));
    QCOMPARE(jail->button(kUseCard)->text(), QStringLiteral("&Use Card"));
    QVERIFY(jail->button(kPostBail)->isVisible() && jail->button(kPostBail)->isEnabled());
    QCOMPARE(jail->button(kUseCard)->isVisible(), c.use_card);
    QVERIFY(jail->button(kStayInJail)->isVisible());
    QCOMPARE(jail->button(kStayInJail)->isEnabled(), c.stay);
    CloseGameWindow(g, GameWindow::Jail);
  }
}

void GameWindowsTest::jailClicksReleaseOrKeepThePerson_data() {
  QTest::addColumn<int>("button");
  QTest::addColumn<int>("cash");
  QTest::addColumn<bool>("released");
  QTest::addColumn<QString>("line");
  QTest::newRow("bail") << int{kPostBail} << 1450 << true
                        << QStringLiteral("Ann Posted bail of $50");
  QTest::newRow("card") << int{kUseCard} << 1500 << true
                        << QStringLiteral("Ann used a card to leave Jail for free");
  QTest::newRow("stay") << int{kStayInJail} << 1500 << false
                        << QStringLiteral(
                               "Ann did not roll doubles and will stay in Jail for another turn");
}

void GameWindowsTest::jailClicksReleaseOrKeepThePerson() {
  QFETCH(int, button);
  QFETCH(int, cash);
  QFETCH(bool, released);
  QFETCH(QString, line);
  GameOnScreen s;
  StartIdlePeopleGame(s, 2);
  Game& g = s.g();
  const int ann = g.CurPlayer;
  Player& p = g.Players[ann];
  p.Cash = 1500;
  p.InJail = true;
  p.Position = 12;
  p.JailCards = 1;
  OpenJailWindow(g);
  auto* jail = s.Open<JailWindow>(GameWindow::Jail);
  QTest::mouseClick(jail->button(button), Qt::LeftButton);
  QVERIFY(WaitUntil([&] { return !g.JailDialogOpen; }));
  QVERIFY(WaitUntil([&] { return s.IsOpen(GameWindow::Dice); }));
  QCOMPARE(p.InJail, !released);
  QCOMPARE(p.Cash, Dollars{cash});
  QCOMPARE(int{p.JailCards}, button == kUseCard ? 0 : 1);
  QCOMPARE(int{p.JailTurns}, released ? 0 : 1);
  QVERIFY(HistoryText(s).contains(line));
  // Released, the person throws next; staying, the other player does.
  QCOMPARE(g.CurPlayer == ann, released);
}

void GameWindowsTest::computerPlayerDecidesInItsJailWindow() {
  const struct {
    const char* name;
    int level;
    Dollars cash;
    int cards;
    bool released;
    const char* line;  // null: no message at all
  } cases[] = {
      {"easy with a card leaves quietly", kEasy, 500, 1, true, nullptr},
      {"normal with $99 stays", kNormal, 99, 0, false,
       "Ann did not roll doubles and will stay in Jail for another turn"},
      {"normal with $100 bails", kNormal, 100, 0, true, "Ann Posted bail of $50"},
  };
  for (const auto& c : cases) {
    GameOnScreen s;
    StartIdlePeopleGame(s, 2);
    Game& g = s.g();
    Player& p = g.Players[g.CurPlayer];
    p.IsRobot = true;
    p.Level = c.level;
    p.Cash = c.cash;
    p.InJail = true;
    p.Position = 12;
    p.JailCards = static_cast<int16_t>(c.cards);
    bool jail_seen = false;
    Sampler sampler([&] { jail_seen |= s.fe().Window(GameWindow::Jail) != nullptr; });
    const QString before = HistoryText(s);
    auto returned = RunLater([&] { OpenJailWindow(g); });
    QVERIFY2(WaitUntil([&] { return *returned; }), c.name);
    QVERIFY2(jail_seen, c.name);
    QVERIFY2(!g.JailDialogOpen && !s.fe().Window(GameWindow::Jail), c.name);
    QCOMPARE(p.InJail, !c.released);
    QCOMPARE(g.JailTurnOver, !c.released);
    const QString added = AddedSince(s, before);
    if (c.line) {
      QVERIFY2(added.contains(QString::fromLatin1(c.line)), c.name);
    } else {
      QVERIFY2(!added.contains(QStringLiteral("Jail")), c.name);
    }
  }
}

QTEST_MAIN(GameWindowsTest)
#include "game_windows_test.moc"
