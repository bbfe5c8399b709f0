// The casino on square 29, "Atlantic City": five betting fields decided by
// one dice total. A person bets in the casino window, whose rules live here
// (the Qt window shows `CasinoWindowFor(g)` and calls the operations below);
// a computer player bets without a window through `RobotBet`.
#pragma once

#include <string>
#include <string_view>

#include "state/game_state.h"

namespace quorbis {

// Betting fields by index. U: an even total; L: an odd total; K: more than
// 6; Y: less than 7; C: 12, paid twice. A 12 loses on U and L.
enum BetField : int { kBetU = 0, kBetL = 1, kBetK = 2, kBetY = 3, kBetC = 4 };
constexpr int kBetFieldCount = 5;
constexpr Dollars kMinimumBet = 10;
// The flashing frame's period.
constexpr int kCasinoFlashMs = 500;

// "U", "L", "K", "Y", "C".
const char* BetCaption(int field);
// The field's tooltip ("Bet Here? If No is 12. You will win.").
const char* BetTooltip(int field);
// The field that `total` satisfies for a bet of the kind `choice` (U and L
// are one kind, K and Y another, C a third), or -2 when none does: the bet
// wins when that field is `choice`. A choice outside 0..4 never wins.
int BetOutcomeFor(int choice, int total);
// What a winning bet of `stake` on `field` pays.
Dollars BetPayout(int field, Dollars stake);

// Opens the casino window modal for the current player, with no field
// chosen and a stake of "10". Every way the window closes leaves it in that
// state for the next visit too.
void OpenCasinoWindow(Game& g);
// A click on a field's letter or zone; a later click changes the choice.
void CasinoChoose(Game& g, int field);
// Whether a key typed into the stake box is kept: digits and backspace (8).
bool CasinoKeyAccepted(int key);
// The stake box's new text, typed or pasted: every character a key press
// would drop is dropped.
void CasinoSetAmountText(Game& g, std::string_view text);
// The stake the box's text stands for. A number too long for any cash
// counts as `kStakeTooLarge`, which is refused as more than the cash.
constexpr Dollars kStakeTooLarge = Dollars{1} << 62;
Dollars StakeFromText(std::string_view text);
// "&Play": refuses a stake below 10, above the cash, or without a field
// (a "Bet" message box each, the window staying open); otherwise throws,
// settles the bet, closes the window and returns true.
bool CasinoPlay(Game& g);
// "&Cancel": closes the window without a bet.
void CasinoCancel(Game& g);
// The 500 ms tick of the flashing frame: steps 1..5 in turn.
void CasinoFlashTick(Game& g);
// The frame colour of a step: red, green, blue, yellow, black.
Rgb CasinoFrameColor(int step);

// What the casino window shows.
struct CasinoWindowView {
  std::string player;
  Rgb player_color = 0;
  std::string cash;         // "Cash In Hand: $1,500"
  std::string dice;         // "CASINO" until the throw, then the total
  int choice = -1;          // the field the coin lies on, -1 none
  std::string amount_text;  // the stake box
  Rgb frame = 0;
};
CasinoWindowView CasinoWindowFor(const Game& g);

// A computer player's bet, by its level, without a window.
void RobotBet(Game& g);

}  // namespace quorbis
