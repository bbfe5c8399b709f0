#include "engine/turn.h"

#include "cards/cards.h"
#include "cards/casino.h"
#include "cards/jail.h"
#include "economy/bankruptcy.h"
#include "economy/disposal.h"
#include "economy/transactions.h"
#include "engine/movement.h"
#include "engine/ui_calls.h"
#include "robot/robot.h"
#include "state/new_game.h"

namespace quorbis {

namespace {

constexpr int kRobotPropertyMs = 2500;
constexpr int kNextTurnPauseMs = 200;

bool Over(const Game& g) {
  return g.GameOver != 0 || g.ExitRequested;
}

Player& Current(Game& g) {
  return g.Players[g.CurPlayer];
}

void HoldWhilePaused(Game& g) {
  if (g.Paused) PlayMoveSound(g);
}

// The next turn runs from the event loop, never nested in this one, so that a
// long run of computer turns keeps the stack flat. Work posted for a game
// that has since been replaced is dropped.
void PostNextTurn(Game& g) {
  Game* game = &g;
  const uint64_t epoch = g.GameEpoch;
  g.ui->Post([game, epoch] {
    if (game->GameEpoch == epoch) MainLoop(*game);
  });
}

void OpenPropertyDialog(Game& g) {
  g.PropertyPlayer = g.CurPlayer;
  g.PropertySquare = g.CurSquare;
  OpenWindow(g, GameWindow::Property, WindowMode::Modeless);
}

// The throw: the total on the board, its sound, and the move.
void ThrowAndMove(Game& g) {
  const int total = RollDice(g);
  g.LastDice = total;
  g.ui->DrawDice(total);
  ProcessEvents(g);
  Emit(g, {EventType::Throw, g.CurPlayer, -1, -1, total, 0});
  if (Over(g)) return;
  if (g.Mute || g.SoundOff) Pause(g, 1000);
  PlayWave(g, Sound::Throw, WaveMode::Wait);
  if (Over(g)) return;
  PlayerMove(g, g.CurPlayer, total, false, false);
}

void LogArrival(Game& g) {
  // Money may have changed on the way (salary, the bank): worth and ranking
  // follow before a landing that may wait for a click.
  UpdateRanking(g);
  AddHistory(g, "");
  Emit(g, {EventType::Land, g.CurPlayer, -1, g.CurSquare, 0, 0});
  HoldWhilePaused(g);
}

enum class Landing { Settled, WindowWaits };

// What a person's landing does. A property of someone else and (after a
// throw) a card leave a window open whose button carries the turn on.
Landing DispatchPersonLanding(Game& g, bool after_card) {
  const Square& s = g.Squares[g.CurSquare];
  switch (s.Kind) {
    case kProperty:
      if (s.Owner == g.CurPlayer) {
        DoAssetAction(g, kRefreshOnly);
        return Landing::Settled;
      }
      OpenPropertyDialog(g);
      return Landing::WindowWaits;
    case kTax:
      DoAssetAction(g, kPayTax);
      return Landing::Settled;
    case kCasino:
      DoAssetAction(g, Current(g).Cash > 9 ? kCasinoDialog : kRefreshOnly);
      return Landing::Settled;
    case kLuck:
    case kChance:
      g.CardDeck = s.Kind == kLuck ? 0 : 1;
      RobotDestinyAction(g);
      return after_card ? Landing::Settled : Landing::WindowWaits;
    case kGoIntoJail:
      GoToJail(g);
      DoAssetAction(g, kRefreshOnly);
      return Landing::Settled;
    default:  // the bank (settled on the way), GO, Free Park, visiting the jail
      DoAssetAction(g, kRefreshOnly);
      return Landing::Settled;
  }
}

// What a computer player's landing does; it never waits for a click.
void DispatchRobotLanding(Game& g) {
  const Square& s = g.Squares[g.CurSquare];
  switch (s.Kind) {
    case kProperty:
      // The card is shown for a while so that the people can follow.
      OpenPropertyDialog(g);
      Pause(g, kRobotPropertyMs);
      CloseGameWindow(g, GameWindow::Property);
      if (Over(g)) return;
      HoldWhilePaused(g);
      AutoAction(g);
      return;
    case kTax:
      if (Current(g).Cash < s.Price) SaleAssets(g, s.Price);
      DoAssetAction(g, kPayTax);
      return;
    case kCasino:
      if (Current(g).Cash > 99) RobotBet(g);
      DoAssetAction(g, kRefreshOnly);
      return;
    case kLuck:
    case kChance:
      g.CardDeck = s.Kind == kLuck ? 0 : 1;
      RobotDestinyAction(g);
      return;
    case kGoIntoJail:
      GoToJail(g);
      DoAssetAction(g, kRefreshOnly);
      return;
    default:
      DoAssetAction(g, kRefreshOnly);
      return;
  }
}

// After a person's landing is settled: the end-of-turn button, or the wait
// for the asset dialog while a debt is open, or the next player when this
// one went bankrupt.
void FinishPersonLanding(Game& g) {
  Pause(g, kNextTurnPauseMs);
  ProcessEvents(g);
  g.Rolling = false;
  HoldWhilePaused(g);
  if (Over(g)) return;
  if (!Current(g).Bankrupt) {
    if (g.DebtPending) {
      UpdateActionMenu(g);
      return;
    }
    ShowDiceWindow(g, 1);
    return;
  }
  PlayerTurn(g);
  Pause(g, kNextTurnPauseMs);
  ProcessEvents(g);
  if (Over(g)) return;
  MainLoop(g);
}

// A shortfall the player was left with by a card payment during someone
// else's turn is settled before his own throw. Returns true when the turn
// goes on to the jail window or the dice.
bool SettleShortfallAtTurnStart(Game& g) {
  const int me = g.CurPlayer;
  if (!g.ShortfallAtTurnStart[me]) return true;
  g.ShortfallAtTurnStart[me] = false;
  Player& p = g.Players[me];
  if (p.Bankrupt || p.Cash >= 0) return true;
  DrawOnDeposit(g);
  DoAssetAction(g, kRefreshOnly);
  if (Over(g)) return false;
  if (p.Cash >= 0) return true;
  if (p.IsRobot) {
    SaleAssets(g, -p.Cash);
    if (p.Cash < 0) DeclareBankrupt(g, -1, DebtCause::Payment);
  } else if (p.Cash + GetDiposeValue(g) < 0) {
    DeclareBankrupt(g, -1, DebtCause::Payment);
  } else {
    // The payee was paid in full when the card was played: what is left
    // is owed to the bank.
    OpenPersonDebt(g, -1, DebtCause::Payment);
    g.ResumeAfterManage = 8;  // "&Done" starts this turn again
    UpdateActionMenu(g);
    return false;
  }
  if (Over(g)) return false;
  if (p.Bankrupt) {
    PlayerTurn(g);
    PostNextTurn(g);
    return false;
  }
  return true;
}

}  // namespace

// --- Dice ------------------------------------------------------------------

int RollDice(Game& g) {
  // Each die is 5 x r + 1 rounded half to even: 1 and 6 are half as likely
  // as 2..5. The second die is added before its rounding.
  const double first = static_cast<double>(g.rng.NextSingle());
  const int64_t die = HalfEven(first * 5.0 + 1.0);
  Pause(g, 50);
  ProcessEvents(g);
  const double second = static_cast<double>(g.rng.NextSingle());
  const int64_t total = HalfEven(second * 5.0 + 1.0 + static_cast<double>(die));
  return total > 12 ? 12 : static_cast<int>(total);
}

// --- Whose turn -----------------------------------------------------------

void PlayerTurn(Game& g) {
  // Windows of the turn that ends do not outlive it: the asset dialog is
  // bound to its player, and a property or card window left over would act
  // for the next one.
  CloseGameWindow(g, GameWindow::Manage);
  CloseGameWindow(g, GameWindow::Property);
  CloseGameWindow(g, GameWindow::Card);
  // Nor does its throw: the next player must be able to throw.
  g.Rolling = false;
  g.ui->SetTurnMarker(g.CurPlayer, false);
  for (int tries = 0; tries < g.PlayerCount; ++tries) {
    g.CurPlayer += 1;
    if (g.CurPlayer >= g.PlayerCount) g.CurPlayer = 0;
    if (!g.Players[g.CurPlayer].Bankrupt) break;
  }
  g.ui->ExchangePic(g.CurPlayer);
  g.ui->SetTurnMarker(g.CurPlayer, true);
  CurrentPlayer(g, -1);
}

void MainLoop(Game& g) {
  TurnScope scope(g);
  if (Over(g)) return;
  UpdateActionMenu(g);
  if (!SettleShortfallAtTurnStart(g)) return;
  if (Current(g).Bankrupt) {
    // Nobody bankrupt keeps the seat: pass it on rather than stall.
    PlayerTurn(g);
    PostNextTurn(g);
    return;
  }
  if (Current(g).InJail) {
    // A computer player's jail turn is settled while the window opens.
    OpenJailWindow(g);
    if (Over(g)) return;
    if (g.JailTurnOver) {
      PlayerTurn(g);
      PostNextTurn(g);
      return;
    }
    if (!Current(g).IsRobot) return;  // the jail window's buttons go on
    if (Current(g).Bankrupt) {
      PlayerTurn(g);
      PostNextTurn(g);
      return;
    }
  }
  if (!Current(g).IsRobot)
    ShowDiceWindow(g, 0);
  else
    RobotLoop(g);
}

void ShowDiceWindow(Game& g, int mode) {
  g.DiceMode = mode;
  OpenWindow(g, GameWindow::Dice, WindowMode::Modeless);
  UpdateActionMenu(g);
}

void UserDice(Game& g) {
  TurnScope scope(g);
  if (g.Rolling) return;
  g.Rolling = true;
  ThrowAndMove(g);
  if (Over(g)) return;
  if (!Current(g).Bankrupt) {
    LogArrival(g);
    if (DispatchPersonLanding(g, false) == Landing::WindowWaits) return;
  }
  FinishPersonLanding(g);
}

void RobotLoop(Game& g) {
  TurnScope scope(g);
  if (g.Rolling) return;
  g.Rolling = true;
  ThrowAndMove(g);
  if (Over(g)) return;
  // A player who went bankrupt at the bank on the way has no landing.
  if (!Current(g).Bankrupt) {
    LogArrival(g);
    DispatchRobotLanding(g);
    if (Over(g)) return;
    HoldWhilePaused(g);
    if (!Current(g).Bankrupt) RobotManageAssets(g);
    if (Over(g)) return;
    HoldWhilePaused(g);
  }
  PlayerTurn(g);
  Pause(g, kNextTurnPauseMs);
  ProcessEvents(g);
  g.Rolling = false;
  HoldWhilePaused(g);
  if (Over(g)) return;
  PostNextTurn(g);
}

void LuckUserDice(Game& g, int ToNo, bool IsBack) {
  TurnScope scope(g);
  if (g.Rolling) return;
  g.Rolling = true;
  PlayerMove(g, g.CurPlayer, ToNo, false, IsBack);
  if (Over(g)) return;
  if (!Current(g).Bankrupt) {
    LogArrival(g);
    if (DispatchPersonLanding(g, true) == Landing::WindowWaits) return;
  }
  ProcessEvents(g);
  HoldWhilePaused(g);
}

void LuckRobotLoop(Game& g, int ToNo, bool IsBack) {
  TurnScope scope(g);
  if (g.Rolling) return;
  g.Rolling = true;
  PlayerMove(g, g.CurPlayer, ToNo, false, IsBack);
  if (Over(g)) return;
  if (!Current(g).Bankrupt) {
    LogArrival(g);
    DispatchRobotLanding(g);
    if (Over(g)) return;
    HoldWhilePaused(g);
    if (!Current(g).Bankrupt) RobotManageAssets(g);
    if (Over(g)) return;
  }
  ProcessEvents(g);
  HoldWhilePaused(g);
}

void LuckLoop(Game& g) {
  TurnScope scope(g);
  if (Current(g).IsRobot) {
    PlayerTurn(g);
    Pause(g, kNextTurnPauseMs);
    ProcessEvents(g);
    g.Rolling = false;
    if (Over(g)) return;
    PostNextTurn(g);
    return;
  }
  Pause(g, kNextTurnPauseMs);
  ProcessEvents(g);
  g.Rolling = false;
  if (Over(g)) return;
  if (!Current(g).Bankrupt) {
    if (g.DebtPending) {
      UpdateActionMenu(g);
      return;
    }
    ShowDiceWindow(g, 1);
    return;
  }
  PlayerTurn(g);
  MainLoop(g);
}

// --- Action bar -----------------------------------------------------------

ActionMenuState ActionMenuFor(const Game& g, int player) {
  ActionMenuState m;
  if (player < 0 || player >= g.PlayerCount) return m;
  if (g.Players[player].IsRobot) return m;
  for (int s = 0; s < kSquareCount; ++s) {
    const Square& sq = g.Squares[s];
    if (sq.Owner != player) continue;
    if (sq.CanUpgrade) m.upgrade = true;
    if (sq.Mortgaged)
      m.unmortgage = true;
    else
      m.sell = m.mortgage = true;
  }
  return m;
}

void UpdateActionMenu(Game& g) {
  g.ui->UpdateActionMenu(ActionMenuFor(g, g.CurPlayer));
}

// --- Window buttons -------------------------------------------------------

void DiceClick(Game& g) {
  TurnScope scope(g);
  if (!g.DiceDialogOpen || Over(g)) return;
  if (g.DiceMode == 1) {
    // The turn cannot pass while a debt is open (the asset dialog's "&Done"
    // or the bankrupt picture carries it on), nor behind the back of a card
    // window whose OK does.
    if (g.DebtPending || g.CardDialogOpen) return;
    CloseGameWindow(g, GameWindow::Dice);
    PlayerTurn(g);
    Pause(g, kNextTurnPauseMs);
    ProcessEvents(g);
    if (Over(g)) return;
    MainLoop(g);
    return;
  }
  CloseGameWindow(g, GameWindow::Dice);
  UserDice(g);
}

void BankruptClick(Game& g) {
  TurnScope scope(g);
  if (Over(g)) return;
  const Player& p = Current(g);
  if (p.IsRobot || p.Bankrupt || !g.DebtPending) return;
  // A settlement under way below this click (the bank waiting in its modal
  // asset dialog, a payment showing its message) carries the turn on itself
  // once its window has closed.
  const bool chain_waits = g.TurnDepth > 1;
  DeclareBankruptForOpenDebt(g);
  g.ResumeAfterManage = -1;
  g.DebtPending = false;
  CloseGameWindow(g, GameWindow::Manage);
  if (chain_waits) return;
  // Nothing of this turn is left to settle: without clearing the throw in
  // progress and the turn's windows the next player could never throw.
  g.Rolling = false;
  CloseGameWindow(g, GameWindow::Card);
  CloseGameWindow(g, GameWindow::Property);
  CloseGameWindow(g, GameWindow::Dice);
  if (Over(g)) return;
  PlayerTurn(g);
  MainLoop(g);
}

void QuitGame(Game& g, bool exit_program) {
  TurnScope scope(g);
  if (g.EndedEpoch == g.GameEpoch) {
    // The game has already gone back to the title screen.
    if (exit_program) g.ui->CloseMainWindow();
    return;
  }
  if (exit_program) g.ExitRequested = true;
  if (g.GameOver == 0) g.QuitEpoch = g.GameEpoch;
  g.GameOver = 1;
  g.GameRunning = false;
  StopWave(g);
  CloseAllGameWindows(g);
}

void EndGameIfOver(Game& g) {
  if (g.TurnDepth > 0) return;
  if (g.GameOver == 0 && !g.ExitRequested) return;
  if (g.EndedEpoch == g.GameEpoch) return;
  g.EndedEpoch = g.GameEpoch;
  g.GameRunning = false;
  g.Rolling = false;
  g.Moving = false;
  g.DebtPending = false;
  StopWave(g);
  CloseAllGameWindows(g);
  g.ui->ShowBankruptButton(false);
  Emit(g, {EventType::GameEnded, -1, -1, -1, g.QuitEpoch == g.GameEpoch ? 1 : 0, 0});
  if (g.ExitRequested)
    g.ui->CloseMainWindow();
  else
    g.ui->ReturnToTitle();
}

// --- A new game -----------------------------------------------------------

void StartNewGame(Game& g) {
  TurnScope scope(g);
  ResetForNewGame(g);
  g.PropertyPlayer = -1;
  g.PropertySquare = -1;
  // Whatever the last game left open must not act in this one.
  CloseAllGameWindows(g);
  g.ui->ShowBankruptButton(false);
  g.ui->ShowGameScreen();
  for (int i = 0; i < g.PlayerCount; ++i) g.ui->SetTurnMarker(i, false);
  g.ui->SetTurnMarker(g.CurPlayer, true);
  g.ui->DrawMap();
  RefreshGame(g);
  CurrentPlayer(g, -1);
  g.ui->ExchangePic(g.CurPlayer);
  g.ui->PlayMusic(Music::Back);
  Emit(g, {EventType::GameStarted, -1, -1, -1, g.PlayerCount, 0});
  ShowTip(g, "Welcome to New York!");
  if (Over(g)) return;
  Tip(g, 1, [&] { return NameOf(g, g.CurPlayer) + " starts first."; });
  if (Over(g)) return;
  MainLoop(g);
}

}  // namespace quorbis
