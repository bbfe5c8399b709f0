// Luck and Chance cards: the draw, the effect of each of the 32 cards, and
// the card window's sequence (draw, play 500 ms later, close) for people and
// computer players.
//
// The card window is driven from here; the Qt window only shows
// `CardWindowFor(g)` and calls `CardOk` from its OK button. It should read
// that view again whenever the game refreshes (the card is played, a landing
// it caused is settled), since the OK button appears and is enabled then.
#pragma once

#include <string>

#include "state/game_state.h"

namespace quorbis {

// The card window's two timed steps: from opening to playing the card, and
// (computer players) from playing it to closing the window.
constexpr int kCardStepMs = 500;
// What each other player pays (or is paid) in the two payments between
// players; a fixed sum, whatever the card's amount says.
constexpr Dollars kCardPayment = 50;

// Luck deck cards with an effect other than a plain credit or fine.
enum LuckCard : int {
  kLuckGoToJail = 10,
  kLuckJailCard = 13,
  kLuckCollectFromAll = 14,
  kLuckAdvanceToGo = 15,
};
// Chance deck cards with an effect other than a plain credit or fine.
enum ChanceCard : int {
  kChanceNearestTraffic = 0,
  kChanceFreedomTower = 1,
  kChanceAdvanceToGo = 2,
  kChanceBack3 = 3,
  kChanceGoToJail = 4,
  kChanceGeBuilding = 5,
  kChanceAmericanIntl = 7,
  kChancePayEveryPlayer = 8,
  kChanceJailCard = 9,
  kChanceNearestUtility = 10,
  kChanceBack3Again = 12,
  kChanceEmpireState = 14,
  kChanceAdvanceToGoAgain = 15,
};

// Opens the card window for the current player on a LUCK (`CardDeck` 0) or
// CHANCE (`CardDeck` 1) square and draws the card. A computer player's card
// is played and its window closed before this returns. A person's card is
// played 500 ms later by a posted step; the turn then waits for OK.
void RobotDestinyAction(Game& g);
// The index of the card to draw from the deck `CardDeck` selects: the first
// unused card from the dice total on, wrapping from 15 to 0; a deck whose
// cards are all used is shuffled back first. The card is not marked used.
int AutoDice(Game& g);
// Plays the drawn card `CardIndex` and refreshes the screen.
void RobotDestiny(Game& g);
void ApplyLuckCard(Game& g, int index);
void ApplyChanceCard(Game& g, int index);
// Moves the current player from `CurSquare` to `target` (forwards, or
// backwards when `backwards`) and settles the landing there.
void ResumeAfterCard(Game& g, int target, bool backwards);

// The card window's OK button: closes the window and carries a person's turn
// on. Does nothing while the button is disabled.
void CardOk(Game& g);
// True once the card has been played and whatever landing it caused is
// settled: no property dialog, no asset dialog and no debt still open.
bool CardOkEnabled(const Game& g);
// Puts back the nearest-utility card's kept multiplier once the landing it
// caused is settled (the property dialog calls it after a person's choice).
// If the landing changed the utility's owner, the multiplier is worked out
// afresh from the new owner's holdings instead. Does nothing when no
// multiplier is kept.
void RestoreUtilityMultiplier(Game& g);

// The squares the "nearest" cards move to from `from`: the next square of
// the Urban Traffic trust ahead, and the next utility ahead.
int NearestTrafficSquare(int from);
int NearestUtilitySquare(int from);

// What the card window shows.
struct CardWindowView {
  int deck = 0;             // 0 the Luck face, 1 the Chance face
  std::string title;        // "Luck" or "Chance"
  std::string text;         // the card's text, trimmed and in capitals
  std::string name;         // the drawer's name
  bool ok_visible = false;  // a person's card has been played
  bool ok_enabled = false;
};
CardWindowView CardWindowFor(const Game& g);

}  // namespace quorbis
