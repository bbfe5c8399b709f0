#include "economy/transactions.h"

#include <cstdlib>

#include "cards/casino.h"
#include "economy/bank.h"
#include "economy/bankruptcy.h"
#include "economy/disposal.h"
#include "economy/groups.h"
#include "engine/turn.h"
#include "engine/ui_calls.h"
#include "state/board.h"
#include "state/holdings.h"

namespace quorbis {

namespace {

bool OwnableSquare(int s) {
  return s > 0 && s < kSquareCount;
}

void Buy(Game& g) {
  const int p = g.CurPlayer;
  const int s = g.CurSquare;
  if (!OwnableSquare(s)) return;
  Square& sq = g.Squares[s];
  if (sq.Kind != kProperty || sq.Owner != -1) return;
  Player& buyer = g.Players[p];
  sq.OwnerName = buyer.Name.Trimmed();
  SetOwner(g, s, p);
  sq.Color = buyer.Color;
  buyer.Cash -= sq.Price;
  buyer.TAV += sq.Price;
  buyer.AssetCount += 1;
  Emit(g, {EventType::Purchase, p, -1, s, sq.Price, 0});
  ApplyAssetChange(g, s, p);
  if (buyer.IsRobot) {
    Tip(g, 1, [&] { return NameOf(g, p) + " bought " + sq.ShortName.Trimmed(); });
  } else {
    History(g, [&] { return NameOf(g, p) + " bought " + sq.ShortName.Trimmed(); });
  }
  ShowQuorbisTip(g, s);
  if (sq.TrustType == kBuilding) PlayWave(g, Sound::Upgrade, WaveMode::Async);
}

void Takeover(Game& g) {
  const int t = g.CurPlayer;
  const int s = g.CurSquare;
  if (!OwnableSquare(s)) return;
  Square& sq = g.Squares[s];
  const int v = sq.Owner;
  if (sq.Kind != kProperty || v < 0 || v == t) return;
  Player& taker = g.Players[t];
  Player& loser = g.Players[v];
  const Dollars cost = 3 * sq.Price;
  taker.Cash -= cost;
  // A mortgaged square was already left out of the loser's TAV, and he gets
  // one price less for it; the bank keeps the rest of the three prices.
  const Dollars compensation = sq.Mortgaged ? sq.Price : 2 * sq.Price;
  loser.Cash += compensation;
  if (!sq.Mortgaged) loser.TAV -= sq.Price;
  loser.AssetCount -= 1;
  sq.Price = Share(sq.Price, 3, 2).ToDollars();
  sq.OwnerName = taker.Name.Trimmed();
  SetOwner(g, s, t);
  sq.Color = taker.Color;
  // TAV counts unmortgaged squares only: a mortgaged square enters it when
  // its new owner pays the mortgage off.
  if (!sq.Mortgaged) taker.TAV += sq.Price;
  taker.AssetCount += 1;
  Emit(g, {EventType::Takeover, t, v, s, cost, compensation});
  ApplyAssetChange(g, s, v);
  ApplyAssetChange(g, s, t);
  Tip(g, 1, [&] { return NameOf(g, t) + " has successfully acquired " + sq.ShortName.Trimmed(); });
  ShowQuorbisTip(g, s);
}

void PayTax(Game& g) {
  const int p = g.CurPlayer;
  const Square& sq = g.Squares[g.CurSquare];
  const Dollars tax = sq.Rent.ToDollars();
  PayDebt(g, tax, DebtCause::Tax);
  if (g.GameOver != 0) return;
  PlayWave(g, Sound::Lost, WaveMode::Async);
  if (!g.Players[p].Bankrupt) {
    Tip(g, 1, [&] {
      return NameOf(g, p) + " paid $" + PlainNumber(sq.Rent) + " in " + sq.ShortName.Trimmed();
    });
  }
}

void Refresh(Game& g, int code) {
  if (g.GameOver != 0) return;
  if (g.Players[g.CurPlayer].Cash >= 0) g.ui->ShowBankruptButton(false);
  if (code == kBuy || code == kRefreshUpgrade) g.ui->DrawMap();
  // The board's price labels are read only where somebody reads texts; a fast
  // simulation skips building them.
  if (g.ui->WantsText()) FormatSquarePrices(g);
  RefreshGame(g);
  CurrentPlayer(g, -1);
}

}  // namespace

void DoAssetAction(Game& g, int code) {
  switch (code) {
    case kBuy:
      Buy(g);
      break;
    case kTakeover:
      Takeover(g);
      break;
    case kPayRentAction:
      PayRent(g);
      break;
    case kBankDialog:
      OpenBankDialog(g);
      break;
    case kCasinoDialog:
      OpenCasinoWindow(g);
      break;
    case kPayTax:
      PayTax(g);
      break;
    default:
      break;
  }
  Refresh(g, code);
}

void PayRent(Game& g) {
  g.DebtPending = false;
  const int p = g.CurPlayer;
  const int s = g.CurSquare;
  Player& payer = g.Players[p];
  if (payer.Bankrupt) return;
  Square& sq = g.Squares[s];
  if (sq.Mortgaged) {
    PlayWave(g, Sound::Laugh, WaveMode::Wait);
    return;
  }
  if (sq.TrustType == kUtility) sq.Rent = sq.BaseRent * g.LastDice;
  const int c = sq.Owner;
  // The owner of a property is owed the rent; square 48 carries a payment
  // between players. Nobody (or the payer himself) means the bank.
  const bool to_player = c >= 0 && c < g.PlayerCount && c != p && !g.Players[c].Bankrupt;
  const int creditor = to_player ? c : -1;
  const DebtCause cause = s == kScratchSquare ? DebtCause::Payment : DebtCause::Rent;
  const Currency rent = sq.Rent;
  const Dollars paid = rent.ToDollars();

  DeductCash(g, paid);
  Emit(g, {EventType::Payment, p, creditor, s, paid, static_cast<int64_t>(cause)});
  DoAssetAction(g, kRefreshOnly);
  if (payer.Cash < 0) {
    DrawOnDeposit(g);
    DoAssetAction(g, kRefreshOnly);
  }
  if (payer.Cash < 0) {
    if (payer.IsRobot) {
      SaleAssets(g, -payer.Cash);
    } else {
      OpenPersonDebt(g, creditor, cause);
    }
  }
  // The creditor receives the whole rent, whether or not the payer could pay
  // it: his cash plus the exact rent, rounded half to even. A fractional rent
  // can so give him a dollar more or less than the payer lost.
  if (to_player) {
    Player& owner = g.Players[c];
    const Dollars before = owner.Cash;
    owner.Cash = (Currency::FromDollars(before) + rent).ToDollars();
    const Dollars gained = owner.Cash - before;
    if (gained != paid)
      Emit(g, {EventType::Credit, c, p, s, gained - paid, static_cast<int64_t>(cause)});
  }
  if (g.ui->WantsText()) {
    const std::string payee = to_player ? NameOf(g, c) : std::string("Bank");
    ShowTip(g,
            NameOf(g, p) + " paid " + FormatMoney(rent) +
                (s == kScratchSquare ? " to " : " rent to ") + payee,
            1);
  }
  if (g.DebtPending && payer.Cash + GetDiposeValue(g) >= 0) {
    UpdateActionMenu(g);
    return;
  }
  if (payer.Cash >= 0) return;
  DeclareBankrupt(g, creditor, cause);
}

void DeductCash(Game& g, Dollars amount) {
  g.Players[g.CurPlayer].Cash -= amount;
}

void DrawOnDeposit(Game& g) {
  Player& p = g.Players[g.CurPlayer];
  if (p.Deposit == 0 || p.Cash >= 0) return;
  const Dollars shortfall = -p.Cash;
  const Dollars taken = p.Deposit < shortfall ? p.Deposit : shortfall;
  p.Deposit -= taken;
  p.Cash += taken;
  Emit(g, {EventType::Withdrawal, g.CurPlayer, -1, -1, taken, 0});
}

bool ChkTakeOver(const Game& g, int ChkNo) {
  int owned = 0;
  for (int i = 0; i < kSquareCount; ++i)
    if (g.Squares[i].Owner != -1) ++owned;
  return owned >= ChkNo;
}

bool CheckPE(const Game& g, int PERate) {
  const Square& s = g.Squares[g.CurSquare];
  const int64_t rate =
      s.Price == 0 ? 0 : HalfEven(s.Rent.ToDouble() / static_cast<double>(s.Price) * 100.0);
  return rate >= PERate;
}

bool ChkProfitRate(const Game& g, int ProRate) {
  Dollars prices = 0;
  Dollars rents = 0;
  for (int i = 1; i < kSquareCount; ++i) {
    const Square& s = g.Squares[i];
    if (s.Owner != g.CurPlayer) continue;
    prices += s.Price;
    rents = HalfEven(static_cast<double>(rents) + s.Rent.ToDouble());
  }
  const int64_t rate =
      prices == 0 ? 0 : HalfEven(static_cast<double>(rents) / static_cast<double>(prices) * 100.0);
  return rate >= ProRate;
}

}  // namespace quorbis
