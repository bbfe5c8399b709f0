#include "economy/disposal.h"

#include "economy/bankruptcy.h"
#include "economy/groups.h"
#include "economy/transactions.h"
#include "engine/turn.h"
#include "engine/ui_calls.h"
#include "state/holdings.h"

namespace quorbis {

Currency Share(Dollars amount, int64_t num, int64_t den) {
  return Currency::FromDollars(amount * num).DivideBy(den);
}

Dollars SaleValue(const Square& s) {
  return Share(s.Price, 7, 10).ToDollars();
}
Dollars MortgageValue(const Square& s) {
  return Share(s.Price, 1, 2).ToDollars();
}
Dollars UnmortgageCost(const Square& s) {
  return Share(s.Price, 13, 20).ToDollars();
}
Dollars UpgradeCostDollars(const Square& s) {
  return s.UpgradeCost.ToDollars();
}

bool DisposalAllowed(const Game& g, int player, int s, int kind) {
  if (s <= 0 || s >= kSquareCount) return false;
  const Square& sq = g.Squares[s];
  if (sq.Kind != kProperty || sq.Owner != player || player < 0) return false;
  switch (kind) {
    case kSell:
    case kMortgage:
      return !sq.Mortgaged;
    case kUnmortgage:
      return sq.Mortgaged;
    case kUpgrade:
      return !sq.Mortgaged && sq.TrustType == kBuilding && sq.CanUpgrade && sq.StarClass < 5;
    default:
      return false;
  }
}

Dollars DisposalCost(const Square& s, int kind) {
  switch (kind) {
    case kUnmortgage:
      return UnmortgageCost(s);
    case kUpgrade:
      return UpgradeCostDollars(s);
    default:
      return 0;
  }
}

Dollars ApplyDisposal(Game& g, int player, int s, int kind, bool reset_trust_rent) {
  Square& sq = g.Squares[s];
  Player& p = g.Players[player];
  Dollars change = 0;
  switch (kind) {
    case kSell:
      change = SaleValue(sq);
      SetOwner(g, s, -1);
      sq.OwnerName = "";
      sq.Color = kUnownedColor;
      if (reset_trust_rent && sq.TrustType != kBuilding) sq.Rent = sq.BaseRent;
      p.AssetCount -= 1;
      p.TAV -= sq.Price;
      Emit(g, {EventType::Sale, player, -1, s, change, 0});
      break;
    case kMortgage:
      change = MortgageValue(sq);
      SetMortgaged(g, s, true);
      p.TAV -= sq.Price;
      Emit(g, {EventType::Mortgage, player, -1, s, change, 0});
      break;
    case kUnmortgage:
      change = -UnmortgageCost(sq);
      SetMortgaged(g, s, false);
      p.TAV += sq.Price;
      Emit(g, {EventType::Unmortgage, player, -1, s, -change, 0});
      break;
    case kUpgrade: {
      const Dollars cost = UpgradeCostDollars(sq);
      // 0 -> 3 -> 4 -> 5 stars, at four, eight and sixteen times the base rent.
      if (sq.StarClass == 0) {
        sq.StarClass = 3;
        sq.Rent = sq.BaseRent * 4;
      } else if (sq.StarClass == 3) {
        sq.StarClass = 4;
        sq.Rent = sq.BaseRent * 8;
      } else {
        sq.StarClass = 5;
        sq.Rent = sq.BaseRent * 16;
      }
      change = -cost;
      sq.Price += cost;
      p.TAV += cost;
      Emit(g, {EventType::Upgrade, player, -1, s, cost, sq.StarClass});
      break;
    }
    default:
      return 0;
  }
  p.Cash += change;
  return change;
}

Dollars DisposeAsset(Game& g, int AssetID, int DisposeType) {
  const int p = g.CurPlayer;
  if (!DisposalAllowed(g, p, AssetID, DisposeType)) return 0;
  const Square& sq = g.Squares[AssetID];
  const Dollars cost = DisposalCost(sq, DisposeType);
  if (cost > 0 && g.Players[p].Cash < cost) return 0;
  const Dollars change = ApplyDisposal(g, p, AssetID, DisposeType, false);
  if (DisposeType == kUpgrade) {
    DoAssetAction(g, kRefreshUpgrade);
    PlayWave(g, Sound::Upgrade, WaveMode::Async);
  } else {
    ApplyAssetChange(g, AssetID, p);
    DoAssetAction(g, kRefreshOnly);
  }
  Tip(g, 1, [&] {
    const std::string name = NameOf(g, p);
    const std::string square = sq.ShortName.Trimmed();
    switch (DisposeType) {
      case kSell:
        return name + " sold " + square;
      case kMortgage:
        return name + " mortgaged " + square;
      case kUnmortgage:
        return name + " unmortgaged " + square;
      default:
        return name + " upgraded " + square + " to " + std::to_string(sq.StarClass) +
               " Stars Class";
    }
  });
  return change;
}

void SaleAssets(Game& g, Dollars ReqValue) {
  // Nothing is sold for a debt that is already covered.
  if (ReqValue <= 0) return;
  const int p = g.CurPlayer;
  Dollars raised = 0;
  // One pass over the board in order; true once the amount is reached.
  auto pass = [&](int kind, auto&& wanted) {
    for (int s = 1; s < kSquareCount; ++s) {
      const Square& sq = g.Squares[s];
      if (sq.Owner != p || !wanted(sq, s)) continue;
      raised += DisposeAsset(g, s, kind);
      if (raised >= ReqValue) return true;
    }
    return false;
  };
  auto every = [](const Square&, int) { return true; };
  auto unmortgaged = [](const Square& sq, int) { return !sq.Mortgaged; };
  switch (g.Players[p].Level) {
    case kEasy:
      // Mortgaged squares cannot be sold and add nothing.
      pass(kSell, every);
      break;
    case kNormal:
      pass(kMortgage, unmortgaged);
      break;
    case kHard:
      if (pass(kMortgage,
               [&](const Square& sq, int s) { return !sq.Mortgaged && !CheckQuorbis(g, s, 50); }))
        return;
      if (pass(kMortgage,
               [](const Square& sq, int) { return !sq.Mortgaged && sq.TrustType == kBuilding; }))
        return;
      pass(kMortgage,
           [](const Square& sq, int) { return !sq.Mortgaged && sq.TrustType != kBuilding; });
      break;
    default:
      break;
  }
}

Dollars GetDiposeValue(const Game& g) {
  Dollars v = 0;
  for (int s = 1; s < kSquareCount; ++s) {
    const Square& sq = g.Squares[s];
    if (sq.Owner != g.CurPlayer || sq.Mortgaged) continue;
    v = (Currency::FromDollars(v) + Share(sq.Price, 7, 10)).ToDollars();
  }
  return v;
}

Dollars GetMortgageValue(const Game& g) {
  Dollars v = 0;
  for (int s = 1; s < kSquareCount; ++s) {
    const Square& sq = g.Squares[s];
    if (sq.Owner != g.CurPlayer || sq.Mortgaged || CheckQuorbis(g, s, 50)) continue;
    v = (Currency::FromDollars(v) + Share(sq.Price, 1, 2)).ToDollars();
  }
  return v;
}

void OpenPersonDebt(Game& g, int creditor, DebtCause cause) {
  const int p = g.CurPlayer;
  g.ui->ShowBankruptButton(true);
  g.DebtPending = true;
  g.DebtCreditor[p] = creditor;
  g.DebtReason[p] = static_cast<int32_t>(cause);
  History(g, [&] { return NameOf(g, p) + " ran out of cash"; });
}

void PayDebt(Game& g, Dollars DebtValue, DebtCause cause) {
  g.DebtPending = false;
  const int p = g.CurPlayer;
  Player& payer = g.Players[p];
  if (payer.Bankrupt) return;
  DeductCash(g, DebtValue);
  Emit(g, {EventType::Payment, p, -1, g.CurSquare, DebtValue, static_cast<int64_t>(cause)});
  DoAssetAction(g, kRefreshOnly);
  if (payer.Cash >= 0) return;
  DrawOnDeposit(g);
  DoAssetAction(g, kRefreshOnly);
  if (payer.Cash >= 0) return;
  if (payer.IsRobot) {
    SaleAssets(g, -payer.Cash);
    if (payer.Cash < 0) DeclareBankrupt(g, -1, cause);
    return;
  }
  OpenPersonDebt(g, -1, cause);
  if (payer.Cash + GetDiposeValue(g) < 0) {
    DeclareBankrupt(g, -1, cause);
    return;
  }
  UpdateActionMenu(g);
}

}  // namespace quorbis
