#include "cards/jail.h"

#include "economy/disposal.h"
#include "economy/transactions.h"
#include "engine/turn.h"
#include "engine/ui_calls.h"

namespace quorbis {

namespace {

// Once this many squares have owners, a Normal or Hard computer player
// prefers the safety of jail to walking the board.
constexpr int kCrowdedBoard = 30;
constexpr Dollars kRobotBailCash = 100;

bool ValidPlayer(const Game& g, int p) {
  return p >= 0 && p < g.PlayerCount;
}

void UseJailCard(Game& g, bool announce) {
  const int player = g.CurPlayer;
  Player& p = g.Players[player];
  p.JailCards -= 1;
  p.InJail = false;
  p.JailTurns = 0;
  Emit(g, {.type = EventType::JailCard, .player = player});
  if (announce) {
    Tip(g, 1, [&] { return NameOf(g, player) + " used a card to leave Jail for free"; });
  }
}

void StayInJail(Game& g) {
  const int player = g.CurPlayer;
  g.Players[player].JailTurns += 1;
  Emit(g, {.type = EventType::JailStay, .player = player});
  Tip(g, 1, [&] {
    return NameOf(g, player) + " did not roll doubles and will stay in Jail for another turn";
  });
}

void RobotJailTurn(Game& g) {
  const Player& p = g.Players[g.CurPlayer];
  // An Easy player leaves with a card without a word; on the last turn, and
  // for the other levels, the card is announced.
  const bool silent_card = p.Level == kEasy && p.JailTurns < kMaxJailStays;
  switch (RobotJailDecision(g, g.CurPlayer)) {
    case JailDecision::UseCard:
      UseJailCard(g, !silent_card);
      break;
    case JailDecision::PostBail:
      PostBail(g);
      break;
    case JailDecision::Stay:
      StayInJail(g);
      g.JailTurnOver = true;
      break;
  }
}

}  // namespace

JailDecision RobotJailDecision(const Game& g, int player) {
  const Player& p = g.Players[player];
  const JailDecision leave = p.JailCards >= 1 ? JailDecision::UseCard : JailDecision::PostBail;
  if (p.JailTurns >= kMaxJailStays) return leave;
  if (p.Level != kEasy) {
    return !ChkTakeOver(g, kCrowdedBoard) && p.Cash >= kRobotBailCash ? leave : JailDecision::Stay;
  }
  if (p.JailCards >= 1) return JailDecision::UseCard;
  return p.Cash >= kRobotBailCash ? JailDecision::PostBail : JailDecision::Stay;
}

void OpenJailWindow(Game& g) {
  g.JailTurnOver = false;
  g.JailPlayer = g.CurPlayer;
  OpenWindow(g, GameWindow::Jail, WindowMode::Modeless);
  if (!g.Players[g.CurPlayer].IsRobot) return;  // the buttons carry the turn on

  ProcessEvents(g);
  Pause(g, kJailRobotPauseMs);
  // Quitting the game while the window was up leaves nothing to decide.
  if (!g.JailDialogOpen || g.GameOver != 0) return;
  RobotJailTurn(g);
  CloseGameWindow(g, GameWindow::Jail);
}

void PostBail(Game& g) {
  const int player = g.CurPlayer;
  Player& p = g.Players[player];
  // A person who cannot pay from cash and deposit raises the rest in the
  // asset dialog, whose "Done" then starts this turn's throw.
  if (!p.IsRobot && p.Cash + p.Deposit < kBail) g.ResumeAfterManage = 8;
  Emit(g, {.type = EventType::JailBail, .player = player});
  PayDebt(g, kBail, DebtCause::Bail);
  p.InJail = false;
  p.JailTurns = 0;
  if (p.IsRobot && p.Bankrupt) {
    g.JailTurnOver = true;
    return;
  }
  RefreshGame(g);
  CurrentPlayer(g, -1);
  ProcessEvents(g);
  if (!p.Bankrupt) Tip(g, 1, [&] { return NameOf(g, player) + " Posted bail of $50"; });
  if (!p.IsRobot && p.Bankrupt && g.GameOver == 0) PlayerTurn(g);
}

void JailClick(Game& g, int button) {
  // A click on a window left over from another turn acts for nobody.
  if (!g.JailDialogOpen || g.JailPlayer != g.CurPlayer || button < 0 ||
      button >= kJailButtonCount) {
    return;
  }
  const JailButtonView state = JailWindowFor(g).buttons[button];
  if (!state.visible || !state.enabled) return;

  CloseGameWindow(g, GameWindow::Jail);
  switch (button) {
    case kPostBail:
      PostBail(g);
      break;
    case kStayInJail:
      StayInJail(g);
      PlayerTurn(g);
      break;
    case kUseCard:
      UseJailCard(g, true);
      CurrentPlayer(g, -1);
      break;
  }
  if (!g.DebtPending) MainLoop(g);
}

JailWindowView JailWindowFor(const Game& g) {
  JailWindowView v;
  const int player = g.JailDialogOpen ? g.JailPlayer : g.CurPlayer;
  if (!ValidPlayer(g, player)) return v;
  const Player& p = g.Players[player];
  v.name = NameOf(g, player);
  if (p.IsRobot) return v;  // a computer player's window shows no buttons
  // Bail is always offered, even without the cash: the shortfall is handled
  // like any other debt.
  v.buttons[kPostBail] = {true, true};
  v.buttons[kStayInJail] = {true, p.JailTurns < kMaxJailStays};
  v.buttons[kUseCard] = {p.JailCards >= 1, p.JailCards >= 1};
  return v;
}

}  // namespace quorbis
