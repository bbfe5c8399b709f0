// Luck and Chance cards.
#pragma once

#include "state/game_state.h"

namespace quorbis {

// Opens the card window for the current player on a LUCK (CardDeck 0) or
// CHANCE (CardDeck 1) square.
void RobotDestinyAction(Game& g);
int AutoDice(Game& g);
void RobotDestiny(Game& g);
void ApplyLuckCard(Game& g, int index);
void ApplyChanceCard(Game& g, int index);
void ResumeAfterCard(Game& g, int target, bool backwards);
// The card window's OK button.
void CardOk(Game& g);
// Puts back the nearest-utility card's kept multiplier once the landing it
// caused is settled (the property dialog calls it after a person's choice).
void RestoreUtilityMultiplier(Game& g);

}  // namespace quorbis
