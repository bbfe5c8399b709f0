// Whose turn it is, the dice, and every continuation that carries a turn
// across the windows. A person's turn ends wherever a window waits for a
// click; that window's button calls one of these entry points. A computer
// player's turn runs through, and the next turn is posted, never nested, so a
// long run of computer turns never grows the stack.
#pragma once

#include "engine/front_end.h"
#include "state/game_state.h"

namespace quorbis {

// Starts the game built by GameSetup::CreatePlayers: resets the board and
// the game-wide state, shows the game screen, greets the players and starts
// the turn loop.
void StartNewGame(Game& g);

void MainLoop(Game& g);
void PlayerTurn(Game& g);
void UserDice(Game& g);
void RobotLoop(Game& g);
void LuckLoop(Game& g);
void LuckUserDice(Game& g, int ToNo, bool IsBack);
void LuckRobotLoop(Game& g, int ToNo, bool IsBack);
// The dice total 2..12: two dice where 1 and 6 are half as likely as 2..5.
int RollDice(Game& g);
void UpdateActionMenu(Game& g);
ActionMenuState ActionMenuFor(const Game& g, int player);
// Shows the dice window for the current player: mode 0 the throw, 1 the end
// of the turn (the action bar is brought up to date with it).
void ShowDiceWindow(Game& g, int mode);

// --- Entry points of the windows' buttons -------------------------------
// The dice window's click, in its throw or end-of-turn mode.
void DiceClick(Game& g);
// The bankrupt picture: the person gives up.
void BankruptClick(Game& g);
// The game menu's QUIT (`exit_program` false) and EXIT (true), once confirmed.
void QuitGame(Game& g, bool exit_program);

// --- The end of a game ----------------------------------------------------
// Runs the end of a stopped game (GameOver or ExitRequested set) once no
// engine entry point is left on the stack: closes every game window and goes
// back to the title screen, or closes the main window when the player chose
// to leave the program. Runs at most once per game; harmless to call again.
void EndGameIfOver(Game& g);

// Marks an engine entry point on the stack. Every window button that calls
// into the rules holds one for its whole run, so that a game stopped in the
// middle (a winner, QUIT, EXIT) ends only after the chain has unwound, and
// exactly once.
class TurnScope {
 public:
  explicit TurnScope(Game& g) : g_(g) { ++g_.TurnDepth; }
  ~TurnScope() {
    if (--g_.TurnDepth == 0) EndGameIfOver(g_);
  }
  TurnScope(const TurnScope&) = delete;
  TurnScope& operator=(const TurnScope&) = delete;

 private:
  Game& g_;
};

}  // namespace quorbis
