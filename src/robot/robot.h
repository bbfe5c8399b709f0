// Computer players' decisions by level. Every decision acts on the current
// player and goes through the same economy operations a person's clicks use,
// so a computer player can do nothing a person could not.
#pragma once

#include "state/game_state.h"

namespace quorbis {

// Landed on a property square (after the property window has closed): buy,
// take over, pay rent, or pass.
void AutoAction(Game& g);
// After every landing: unmortgage and upgrade the player's own squares as far
// as the cash goes; the next landing resumes where this one stopped.
void RobotManageAssets(Game& g);
// Unmortgages and upgrades the colour group of `s` evenly (every member to
// class 3 before any goes to 4). True when it stopped for lack of cash.
bool RobotUpgradeGroup(Game& g, int s);
// Unmortgages the player's members of the group or trust of `s`. True when it
// stopped (too little cash, or a mortgaged member held by somebody else).
bool RobotUnmortgageGroup(Game& g, int s);
// At the bank, after the settlement: deposit, withdraw or borrow.
void RobotBank(Game& g);

// The cash a Normal or Hard player wants to keep in hand at the bank, from how
// far the game has advanced (the number of owned squares).
Dollars RobotReserve(const Game& g);
// Three times the dearest building or company on the board at its current
// price: the scale of the largest single payment a player may face.
Dollars RobotRichLimit(const Game& g);
// The largest loan a Hard player takes in one visit.
Dollars RobotLoanCap(const Game& g);

}  // namespace quorbis
