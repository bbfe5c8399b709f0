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
// Sells, mortgages, unmortgages or upgrades (DisposeKind) square `AssetID` of
// the current player, with a tip. Returns the change of his cash: what a sale
// or mortgage raised, minus the cost of an unmortgage or upgrade; 0 when
// refused (not his, wrong mortgage state, not upgradable, too little cash).
Dollars DisposeAsset(Game& g, int AssetID, int DisposeType);
// A computer player raises `ReqValue` by his level's order of sales and
// mortgages, or as much of it as he can.
void SaleAssets(Game& g, Dollars ReqValue);
// What selling every unmortgaged square of the current player would bring.
Dollars GetDiposeValue(const Game& g);
// What mortgaging his unmortgaged squares outside the groups and trusts he
// holds the majority of would bring.
Dollars GetMortgageValue(const Game& g);

// The values of the four operations on a square at its current price.
Dollars SaleValue(const Square& s);
Dollars MortgageValue(const Square& s);
Dollars UnmortgageCost(const Square& s);
Dollars UpgradeCostDollars(const Square& s);

// --- Shared by the economy and the asset dialog -----------------------------

// num/den of an amount, exact to the four decimals of Currency, so that the
// later half-even rounding sees true halves (75 x 0.7 = 52.5 -> 52).
Currency Share(Dollars amount, int64_t num, int64_t den);

// Whether `player` may do `kind` to square `s` as things stand, cash aside:
// the square is his, in the mortgage state the operation needs, and for an
// upgrade a building of a whole unmortgaged group below 5 stars.
bool DisposalAllowed(const Game& g, int player, int s, int kind);
// The cash an operation needs (0 for a sale or a mortgage).
Dollars DisposalCost(const Square& s, int kind);
// Carries out an allowed operation (no checks, no refresh, no message) and
// emits its event. A sale with `reset_trust_rent` puts a trust member's or
// utility's rent back to its base. Returns the change of the player's cash.
Dollars ApplyDisposal(Game& g, int player, int s, int kind, bool reset_trust_rent);
// A person is left short: the bankrupt picture, DebtPending, the history
// line, and the creditor and cause kept for the case he gives up.
void OpenPersonDebt(Game& g, int creditor, DebtCause cause);

}  // namespace quorbis
