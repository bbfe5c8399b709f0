// The asset dialog's operations: which cards a mode offers, the clicks that
// sell, mortgage, unmortgage and upgrade, and "&Done".
#pragma once

#include "state/game_state.h"

namespace quorbis {

// Opens the asset dialog for the current player in `mode` (modeless from the
// action bar, modal for a loan repayment).
void OpenManageDialog(Game& g, int mode, bool modal);
// Whether square k's card is enabled in `mode` for the dialog's player.
bool ManageCardEnabled(const Game& g, int k, int mode);
void ManageCardClick(Game& g, int k);
void ManageDone(Game& g);

}  // namespace quorbis
