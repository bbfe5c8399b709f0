// Cash shortfalls and the four asset operations: sell, mortgage, unmortgage
// and upgrade.
#pragma once

#include "engine/front_end.h"
#include "state/game_state.h"

namespace quorbis {

// The current player pays `DebtValue` to the bank for `cause`; a shortfall is
// met from the deposit, then (computer players) by selling, or (people) in the
// asset dialog, or ends in bankruptcy to the bank.
void PayDebt(Game& g, Dollars DebtValue, DebtCause cause);
// Returns the cash raised by a sale or mortgage (0 when refused).
Dollars DisposeAsset(Game& g, int AssetID, int DisposeType);
void SaleAssets(Game& g, Dollars ReqValue);
Dollars GetDiposeValue(const Game& g);
Dollars GetMortgageValue(const Game& g);

// The values of the four operations on a square at its current price.
Dollars SaleValue(const Square& s);
Dollars MortgageValue(const Square& s);
Dollars UnmortgageCost(const Square& s);
Dollars UpgradeCostDollars(const Square& s);

}  // namespace quorbis
