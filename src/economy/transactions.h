// Purchase, hostile takeover, rent and tax: the transaction core, and the
// common screen refresh after every money change.
#pragma once

#include "engine/front_end.h"
#include "state/game_state.h"

namespace quorbis {

// Action codes of DoAssetAction.
enum AssetAction : int {
  kRefreshOnly = -1,
  kBuy = 0,
  kTakeover = 3,
  kRefreshUpgrade = 4,
  kPayRentAction = 5,
  kBankDialog = 6,
  kCasinoDialog = 8,
  kPayTax = 9,
};

// Carries out `code` for the current player on CurSquare, then refreshes the
// screen (any other code only refreshes). The callers decide whether the
// action is allowed (cash, trust protection); a purchase of an owned square
// or a takeover of an unowned or own square is ignored.
//
// Events: Purchase (a = price); Takeover (other = previous owner, a = the
// 3 x price paid, b = what the previous owner received, the rest going to
// the bank).
void DoAssetAction(Game& g, int code);

// The current player pays the rent of CurSquare to its owner, taken at the
// start (square 48: a payment between players, the payee in its Owner).
// Events: Payment (other = creditor, square, a = what the payer lost,
// b = DebtCause); a Credit of +-1 to the creditor when the half-even
// rounding of his cash plus the exact rent differs from what the payer lost.
void PayRent(Game& g);
void DeductCash(Game& g, Dollars amount);
// Covers a negative cash of the current player from his deposit (a
// Withdrawal event for what it takes).
void DrawOnDeposit(Game& g);
bool ChkTakeOver(const Game& g, int ChkNo);
bool CheckPE(const Game& g, int PERate);
bool ChkProfitRate(const Game& g, int ProRate);

}  // namespace quorbis
