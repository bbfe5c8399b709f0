// The bank on square 21: the settlement once a lap, the loan limit, and the
// bank dialog's business rules.
#pragma once

#include <string>

#include "state/game_state.h"

namespace quorbis {

void SettleBankAccount(Game& g);
void GetLoanLimit(Game& g);
void GetHalfAssetValue(Game& g);

}  // namespace quorbis
