// Placeholder bodies; the economy fills them.
#include "economy/transactions.h"

namespace quorbis {

void DoAssetAction(Game&, int) {}
void PayRent(Game&) {}
void DeductCash(Game& g, Dollars amount) {
  g.Players[g.CurPlayer].Cash -= amount;
}
void DrawOnDeposit(Game&) {}
bool ChkTakeOver(const Game&, int) {
  return false;
}
bool CheckPE(const Game&, int) {
  return false;
}
bool ChkProfitRate(const Game&, int) {
  return false;
}

}  // namespace quorbis
