#include "economy/bankruptcy.h"

#include <array>
#include <limits>

#include "engine/ui_calls.h"
#include "state/holdings.h"

namespace quorbis {

namespace {

void EndGame(Game& g) {
  const int w = ChooseWinner(g);
  if (w >= 0) {
    CurrentPlayer(g, w);
    g.ui->ShowWinner(w);
    PlayWave(g, Sound::Winner, WaveMode::Async);
    Tip(g, 10,
        [&] { return "Congratulations " + NameOf(g, w) + "! You are the Quorbis of New York."; });
    Emit(g, {EventType::Winner, w});
  }
  g.GameRunning = false;
  g.GameOver = 1;
  g.ui->HideGameScreen();
  CloseAllGameWindows(g);
}

}  // namespace

void DeclareBankrupt(Game& g, int creditor, DebtCause cause) {
  const int p = g.CurPlayer;
  Player& loser = g.Players[p];
  if (loser.Bankrupt) return;
  const bool to_player =
      creditor >= 0 && creditor < g.PlayerCount && creditor != p && !g.Players[creditor].Bankrupt;
  if (!to_player) creditor = -1;
  const Dollars written_off = loser.Cash;

  loser.Bankrupt = true;
  loser.Worth = 0;
  loser.Cash = 0;
  g.DebtPending = false;
  // A continuation left from his debt (bail, card) must not run for whoever
  // plays next.
  g.ResumeAfterManage = -1;
  g.DebtCreditor[p] = -1;
  Emit(g, {EventType::Bankruptcy, p, creditor, -1, written_off, static_cast<int64_t>(cause)});
  g.ui->MarkBankrupt(p);
  // His asset dialog has nothing left to act on.
  if (g.ManagePlayer == p) CloseGameWindow(g, GameWindow::Manage);

  int moved = 0;
  for (int s = 1; s < kSquareCount; ++s) {
    Square& sq = g.Squares[s];
    if (sq.Owner != p) continue;
    ++moved;
    if (to_player) {
      // The heir takes the squares as they stand, mortgages included; those
      // free of a mortgage count in his TAV as any square he holds.
      Player& heir = g.Players[creditor];
      SetOwner(g, s, creditor);
      sq.Color = heir.Color;
      sq.OwnerName = heir.Name.Trimmed();
      heir.AssetCount += 1;
      if (!sq.Mortgaged) heir.TAV += sq.Price;
    } else {
      SetOwner(g, s, -1);
      sq.Color = kUnownedColor;
      sq.OwnerName = "Bank";
      SetMortgaged(g, s, false);
    }
  }
  loser.TAV = 0;
  loser.AssetCount = 0;
  if (to_player && moved > 0) {
    Tip(g, 3, [&] {
      const std::string name = NameOf(g, p);
      return name + " went Bankrupt and left the game. " + NameOf(g, creditor) +
             " received all of " + name + "'s properties.";
    });
  }

  RefreshGame(g);
  g.ui->ShowBankruptButton(false);
  PlayWave(g, Sound::Bankrupt, WaveMode::Async);
  Tip(g, 3, [&] { return "Sorry " + NameOf(g, p) + ", You are bankrupted!"; });

  int remaining = 0;
  bool person_left = false;
  for (int i = 0; i < g.PlayerCount; ++i) {
    if (g.Players[i].Bankrupt) continue;
    ++remaining;
    if (!g.Players[i].IsRobot) person_left = true;
  }
  if (remaining <= 1 || !person_left) EndGame(g);
}

void DeclareBankruptForOpenDebt(Game& g) {
  const int p = g.CurPlayer;
  const auto cause = static_cast<DebtCause>(g.DebtReason[p]);
  DeclareBankrupt(g, g.DebtCreditor[p], cause);
}

void UpdateRanking(Game& g) {
  const int n = g.PlayerCount < kPlayerRecords ? g.PlayerCount : kPlayerRecords;
  bool moved = g.RankedCount != n;
  for (int i = 0; i < n; ++i) {
    Player& p = g.Players[i];
    if (!p.Bankrupt) p.Worth = p.Cash + p.TAV + p.Deposit - p.Loan;
    moved |= p.Worth != g.RankedWorth[i];
  }
  // This runs after every change of money, several times a turn, and most
  // of the time no worth moved: the rankings then stand.
  if (!moved) return;
  for (int i = 0; i < n; ++i) g.RankedWorth[i] = g.Players[i].Worth;
  g.RankedCount = n;
  // A player's ranking is one more than the number of players worth strictly
  // more than he is; equal worths share a place. The worths go into a small
  // array of fixed length (empty seats worth less than anybody), which the
  // compiler turns into plain comparisons.
  if (n <= kMaxPlayers) {
    std::array<Dollars, kMaxPlayers> worth;
    worth.fill(std::numeric_limits<Dollars>::min());
    for (int i = 0; i < n; ++i) worth[i] = g.RankedWorth[i];
    for (int a = 0; a < n; ++a) {
      int above = 0;
      for (int e = 0; e < kMaxPlayers; ++e) above += worth[e] > worth[a] ? 1 : 0;
      g.Players[a].Ranking = 1 + above;
    }
    return;
  }
  for (int a = 0; a < n; ++a) {
    int above = 0;
    for (int e = 0; e < n; ++e) above += g.Players[e].Worth > g.Players[a].Worth ? 1 : 0;
    g.Players[a].Ranking = 1 + above;
  }
}

int ChooseWinner(const Game& g) {
  int ranked_first = -1;
  int richest = -1;
  for (int i = 0; i < g.PlayerCount; ++i) {
    const Player& p = g.Players[i];
    if (p.Bankrupt) continue;
    if (p.Ranking == 1) ranked_first = i;
    if (richest < 0 || p.Worth >= g.Players[richest].Worth) richest = i;
  }
  return ranked_first >= 0 ? ranked_first : richest;
}

}  // namespace quorbis
