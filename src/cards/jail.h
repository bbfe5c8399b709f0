// Jail: the jail window that opens instead of the dice at the start of a
// jailed player's turn. A person posts bail, uses a kept card or stays (at
// most twice); a computer player decides at once by its level and the
// window closes itself. The Qt window shows `JailWindowFor(g)` and calls
// `JailClick`.
#pragma once

#include <string>

#include "state/game_state.h"

namespace quorbis {

// Jail window buttons.
enum JailButton { kPostBail = 0, kStayInJail = 1, kUseCard = 2 };
constexpr int kJailButtonCount = 3;
constexpr Dollars kBail = 50;
// A person may stay this many turns; the next turn he must leave.
constexpr int kMaxJailStays = 2;
// How long a computer player's jail window stays up before it decides.
constexpr int kJailRobotPauseMs = 500;

// Opens the jail window for the current player. A computer player's turn in
// jail is decided, and its window closed, when this returns; `JailTurnOver`
// then tells whether the turn passes.
void OpenJailWindow(Game& g);
// Pays the bail for the current player and releases him; a shortfall is
// handled like any debt (for a person the asset dialog, after which the turn
// resumes with `MainLoop`).
void PostBail(Game& g);
// A person's click on a jail button; hidden or disabled buttons do nothing.
void JailClick(Game& g, int button);

// A computer player's decision on a turn in jail.
enum class JailDecision { Stay, UseCard, PostBail };
JailDecision RobotJailDecision(const Game& g, int player);

// What the jail window shows.
struct JailButtonView {
  bool visible = false;
  bool enabled = false;
};
struct JailWindowView {
  std::string name;
  JailButtonView buttons[kJailButtonCount];  // by JailButton
};
JailWindowView JailWindowFor(const Game& g);

}  // namespace quorbis
