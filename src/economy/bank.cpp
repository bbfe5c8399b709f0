// Placeholder bodies; the bank fills them.
#include "economy/bank.h"

namespace quorbis {

void SettleBankAccount(Game&) {}
void GetLoanLimit(Game&) {}
void GetHalfAssetValue(Game&) {}

}  // namespace quorbis
