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

void DoAssetAction(Game& g, int code);
void PayRent(Game& g);
void DeductCash(Game& g, Dollars amount);
void DrawOnDeposit(Game& g);
bool ChkTakeOver(const Game& g, int ChkNo);
bool CheckPE(const Game& g, int PERate);
bool ChkProfitRate(const Game& g, int ProRate);

}  // namespace quorbis
