// Sound, music and the two hot keys in a game on screen: the effect each
// event asks for (through the real front end into the game's audio, with a
// recording back end in place of the device), the music of the title screen
// and of a game, F7, and the boss key hiding and bringing back every window
// without ending the modal waits behind them.
#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QWindow>
#include <memory>

#include "cards/cards.h"
#include "cards/casino.h"
#include "cards/jail.h"
#include "economy/bank.h"
#include "economy/bankruptcy.h"
#include "economy/manage.h"
#include "economy/transactions.h"
#include "engine/movement.h"
#include "engine/turn.h"
#include "media/recording_audio_backend.h"
#include "ui/main_window.h"
#include "ui/media_bridge.h"
#include "ui/plain_windows.h"
#include "window_test_support.h"

using namespace quorbis;
using namespace quorbis::ui;
using namespace quorbis::ui::testing;

namespace {

using Effects = std::vector<std::string>;

// A game on screen with the game's media object, recording instead of
// playing.
struct GameWithSound {
  explicit GameWithSound(uint64_t seed = 7) : screen(seed) {
    auto backend = std::make_unique<RecordingAudioBackend>();
    rec = backend.get();
    media =
        std::make_unique<MediaBridge>(screen.g(), screen.window(), screen.fe(), std::move(backend));
    media->Start();
  }
  ~GameWithSound() { media.reset(); }

  Effects Take() {
    Effects e = rec->EffectsWithModes();
    rec->Clear();
    return e;
  }

  GameOnScreen screen;
  RecordingAudioBackend* rec = nullptr;
  std::unique_ptr<MediaBridge> media;
};

void PressKey(QWidget* w, Qt::Key key) {
  QTest::keyClick(w, key);
  QTest::qWait(5);  // the key's toggle runs after the key event
}

// Whether a window is on screen, as the desktop sees it.
bool Shown(QWidget* w) {
  return w && w->windowHandle() && w->windowHandle()->isVisible() && !w->isMinimized();
}

}  // namespace

class MediaGameTest : public QObject {
  Q_OBJECT
 private slots:
  void titleMusicThenGameMusic();
  void throwAndMoveSoundAsTheTokenGoes();
  void eachEventPlaysItsEffect();
  void muteAndF7SilenceEveryEffect();
  void escHidesAndBringsBackEveryOpenWindow();
  void escKeepsModalWaitsRunning_data();
  void escKeepsModalWaitsRunning();
  void optionsOpenFromTheTitleButton();
};

void MediaGameTest::titleMusicThenGameMusic() {
  GameWithSound s;
  QCOMPARE(s.rec->music_file, std::string("beginmusic.mp3"));
  QCOMPARE(s.rec->music_state, MusicState::Playing);
  StartIdlePeopleGame(s.screen, 2);
  QCOMPARE(s.rec->music_file, std::string("backmusic.mp3"));
  QVERIFY(s.rec->music_looping);
  // Music that stops is started again by the poll.
  s.rec->music_state = MusicState::Stopped;
  QVERIFY(WaitUntil([&] { return s.rec->music_state == MusicState::Playing; }, 1000));
  QuitGame(s.screen.g(), false);
  QVERIFY(WaitUntil([&] { return s.screen.window().OnTitleScreen(); }));
  QCOMPARE(s.rec->music_file, std::string("beginmusic.mp3"));
}

void MediaGameTest::throwAndMoveSoundAsTheTokenGoes() {
  GameWithSound s;
  std::vector<Seat> seats = {{"Ann", false}, {"Bob", false}};
  s.screen.StartGame(seats);
  QVERIFY(WaitUntil([&] { return s.screen.IsOpen(GameWindow::Dice); }));
  s.Take();
  DiceClick(s.screen.g());
  const auto arrived = [&] {
    const Effects e = s.rec->EffectsWithModes();
    return std::find(e.begin(), e.end(), "arrive.wav/2") != e.end();
  };
  QVERIFY(WaitUntil(arrived));
  const Effects e = s.Take();
  QCOMPARE(e[0], std::string("throw.wav/2"));
  QCOMPARE(e[1], std::string("move.wav/0"));
}

void MediaGameTest::eachEventPlaysItsEffect() {
  GameWithSound s;
  GameOnScreen& screen = s.screen;
  StartIdlePeopleGame(screen, 3);
  Game& g = screen.g();
  const int ann = g.CurPlayer;
  const int bob = (ann + 1) % 3;
  const int cid = (ann + 2) % 3;
  for (Player& p : g.Players) p.Cash = 5000;
  const auto own = [&](int square, int owner, bool mortgaged) {
    Square& sq = g.Squares[square];
    sq.Owner = owner;
    sq.OwnerName = g.Players[owner].Name.Trimmed();
    sq.Mortgaged = mortgaged;
    sq.Rent = Currency::FromDollars(10);
  };

  const struct {
    const char* event;
    std::function<void()> act;
    Effects expected;
  } script[] = {
      {"a building bought",
       [&] {
         g.CurSquare = 2;
         DoAssetAction(g, 0);
       },
       {"upgrade.wav/1"}},
      {"rent paid",
       [&] {
         own(4, bob, false);
         g.CurSquare = 4;
         PayRent(g);
       },
       {}},
      {"rent not paid on a mortgaged square",
       [&] {
         own(4, bob, true);
         g.CurSquare = 4;
         PayRent(g);
       },
       {"laugh.wav/2"}},
      {"a card that pays", [&] { ApplyLuckCard(g, 9); }, {"win.wav/2"}},
      {"a card that costs", [&] { ApplyLuckCard(g, 5); }, {"lost.wav/2"}},
      {"sent to jail", [&] { GoToJail(g); }, {"jail.wav/2"}},
      {"bail posted", [&] { PostBail(g); }, {}},
      {"a tax paid",
       [&] {
         g.CurSquare = 5;
         DoAssetAction(g, 9);
       },
       {"lost.wav/1"}},
      {"a visit to the bank",
       [&] {
         WhileModal(
             screen, GameWindow::Bank, [&] { OpenBankDialog(g); },
             [&] {
               auto* bank = screen.Open<BankWindow>(GameWindow::Bank);
               QTest::mouseClick(bank->choice(kBankDeposit), Qt::LeftButton);
               bank->amount()->setText(QStringLiteral("100"));
               QTest::mouseClick(bank->okButton(), Qt::LeftButton);
               WaitUntil([&] { return bank->cancelButton()->isVisible(); });
               QTest::mouseClick(bank->cancelButton(), Qt::LeftButton);
               WaitUntil([&] { return !screen.fe().Window(GameWindow::Bank); });
             });
       },
       {}},
      {"a bet at the casino",
       [&] {
         WhileModal(
             screen, GameWindow::Casino, [&] { OpenCasinoWindow(g); },
             [&] {
               auto* casino = screen.Open<CasinoWindow>(GameWindow::Casino);
               QTest::mouseClick(casino, Qt::LeftButton, {}, CasinoWindow::ZoneRect(3).center());
               QTest::mouseClick(casino->playButton(), Qt::LeftButton);
               WaitUntil([&] { return !screen.fe().Window(GameWindow::Casino); });
             });
       },
       {}},  // checked below: the outcome decides between win and lost
      {"a player goes bankrupt",
       [&] {
         g.CurPlayer = cid;
         DeclareBankrupt(g, -1, DebtCause::Tax);
       },
       {"bankrupt.wav/1"}},
      {"the last rival goes bankrupt",
       [&] {
         g.CurPlayer = bob;
         DeclareBankrupt(g, -1, DebtCause::Tax);
       },
       {"bankrupt.wav/1", "winner.wav/1"}},
  };
  for (const auto& step : script) {
    s.Take();
    step.act();
    const Effects got = s.Take();
    if (std::string(step.event) == "a bet at the casino") {
      QCOMPARE(got.size(), size_t{3});
      QCOMPARE(got[0], std::string("bet.wav/2"));
      QCOMPARE(got[1], std::string("throw.wav/2"));
      QVERIFY2(got[2] == "win.wav/1" || got[2] == "lost.wav/1", got[2].c_str());
      continue;
    }
    QVERIFY2(got == step.expected, step.event);
    QCOMPARE(g.GameOver != 0, std::string(step.event) == "the last rival goes bankrupt");
  }
  QVERIFY(g.GameOver != 0);
  QVERIFY(!g.Players[ann].Bankrupt);
}

void MediaGameTest::muteAndF7SilenceEveryEffect() {
  GameWithSound s;
  StartIdlePeopleGame(s.screen, 2);
  Game& g = s.screen.g();
  QWidget* main = &s.screen.window();
  const auto card = [&] {
    s.Take();
    ApplyLuckCard(g, 0);
    return s.Take();
  };
  QCOMPARE(card(), Effects{"win.wav/2"});
  PressKey(main, Qt::Key_F7);
  QVERIFY(g.Mute);
  QVERIFY(!s.rec->music_audible);
  QCOMPARE(card(), Effects{});
  PressKey(main, Qt::Key_F7);
  QVERIFY(!g.Mute);
  QVERIFY(s.rec->music_audible);
  QCOMPARE(card(), Effects{"win.wav/2"});
  g.SoundOff = true;  // effects off in the options
  QCOMPARE(card(), Effects{});
}

void MediaGameTest::escHidesAndBringsBackEveryOpenWindow() {
  GameWithSound s;
  StartIdlePeopleGame(s.screen, 2);
  Game& g = s.screen.g();
  QWidget* main = &s.screen.window();
  ShowDiceWindow(g, 0);
  g.Players[g.CurPlayer].InJail = true;
  OpenJailWindow(g);
  QWidget* dice = s.screen.fe().Window(GameWindow::Dice);
  QWidget* jail = s.screen.fe().Window(GameWindow::Jail);
  QVERIFY(Shown(main) && Shown(dice) && Shown(jail));
  PressKey(main, Qt::Key_Escape);
  QVERIFY(s.media->media().Keys().GameHidden());
  QVERIFY(!Shown(main) && !Shown(dice) && !Shown(jail));
  QVERIFY(g.Mute && g.Paused);
  // The windows are hidden, not closed: the game is exactly where it was.
  QVERIFY(g.DiceDialogOpen && g.JailDialogOpen);
  PressKey(main, Qt::Key_Escape);
  QVERIFY(!s.media->media().Keys().GameHidden());
  QVERIFY(WaitUntil([&] { return Shown(main) && Shown(dice) && Shown(jail); }, 2000));
  QVERIFY(!g.Mute && !g.Paused);
}

void MediaGameTest::escKeepsModalWaitsRunning_data() {
  QTest::addColumn<int>("window");
  QTest::newRow("bank") << int(GameWindow::Bank);
  QTest::newRow("casino") << int(GameWindow::Casino);
  QTest::newRow("mortgage dialog of a loan") << int(GameWindow::Manage);
}

void MediaGameTest::escKeepsModalWaitsRunning() {
  QFETCH(int, window);
  const auto kind = static_cast<GameWindow>(window);
  GameWithSound s;
  StartIdlePeopleGame(s.screen, 2);
  Game& g = s.screen.g();
  Player& p = g.Players[g.CurPlayer];
  QWidget* main = &s.screen.window();
  std::function<void()> open;
  switch (kind) {
    case GameWindow::Bank:
      open = [&] { OpenBankDialog(g); };
      break;
    case GameWindow::Casino:
      open = [&] { OpenCasinoWindow(g); };
      break;
    default:
      // A loan falls due that cash and deposit cannot cover, but his squares
      // can: the mortgage dialog waits until the cash is back to 0.
      p.Cash = 0;
      p.Loan = 100;
      p.PassedGo = true;
      for (int sq : {2, 4, 6}) {
        g.Squares[sq].Owner = g.CurPlayer;
        g.Squares[sq].OwnerName = p.Name.Trimmed();
      }
      open = [&] { SettleBankAccount(g); };
      break;
  }
  bool waited = false;
  WhileModal(s.screen, kind, open, [&] {
    QWidget* w = s.screen.fe().Window(kind);
    PressKey(main, Qt::Key_Escape);
    QVERIFY(!Shown(w) && !Shown(main));
    QTest::qWait(30);
    PressKey(main, Qt::Key_Escape);
    QVERIFY(WaitUntil([&] { return Shown(w) && Shown(main); }, 2000));
    // Still waiting for the player, nothing decided behind his back.
    QVERIFY(WindowOpenFlag(g, kind));
    QCOMPARE(s.screen.fe().Window(kind), w);
    QVERIFY(!HistoryText(s.screen).contains(QStringLiteral("repaid the loan")));
    if (kind == GameWindow::Manage) QVERIFY(p.Cash < 0);
    waited = true;
    // Bank and casino close as the player leaves them; the mortgage dialog
    // cannot be left with the debt open, so the game ends around it.
    if (kind == GameWindow::Bank) BankCancel(g);
    if (kind == GameWindow::Casino) CasinoCancel(g);
    QVERIFY(WaitUntil([&] { return !WindowOpenFlag(g, kind) || kind == GameWindow::Manage; }));
  });
  QVERIFY(!QTest::currentTestFailed());
  QVERIFY(waited);
  if (kind != GameWindow::Manage) QCOMPARE(g.GameOver, 0);
}

void MediaGameTest::optionsOpenFromTheTitleButton() {
  GameWithSound s;
  MainWindow& main = s.screen.window();
  QVERIFY(main.OnTitleScreen());
  bool seen = false;
  QTimer::singleShot(0, qApp, [&] {
    WaitUntil([&] { return s.screen.g().OptionDialogOpen; }, 2000);
    seen = s.screen.g().OptionDialogOpen;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->isVisible() && w->inherits("quorbis::FrmOption")) static_cast<QDialog*>(w)->accept();
  });
  QTest::mouseClick(main.titleButton(1), Qt::LeftButton);
  QVERIFY(WaitUntil([&] { return !s.screen.g().OptionDialogOpen; }));
  QVERIFY(seen);
}

QTEST_MAIN(MediaGameTest)
#include "media_game_test.moc"
