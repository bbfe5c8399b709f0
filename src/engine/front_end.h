// The one narrow interface through which the game logic reaches the outside:
// windows, messages, sounds, pauses, event pumping and the board's drawing.
// The Qt front end implements it with real windows; the headless one at full
// speed for tests, fuzzing and simulation.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace quorbis {

// The game windows the turn engine opens.
enum class GameWindow {
  Dice,      // throw / end of turn
  Property,  // the property action dialog
  Card,      // Luck and Chance
  Jail,
  Bank,
  Casino,
  Manage,  // the asset dialog
};
constexpr int kGameWindowCount = 7;

// Modal: the call returns when the window has closed. Modeless: the call
// returns at once and the window's buttons later call an engine entry point.
enum class WindowMode { Modeless, Modal };

enum class Sound {
  Move,
  Arrive,
  Jail,
  Throw,
  Laugh,
  Upgrade,
  Trust,
  Win,
  Lost,
  Bet,
  Bankrupt,
  Winner,
};
constexpr int kSoundCount = 12;
// The file of each effect in the "appdata/" folder ("move.wav" ...).
const char* SoundFile(Sound s);

// 0 looped in the background, 1 once in the background, 2 once and wait.
enum class WaveMode { Loop = 0, Async = 1, Wait = 2 };

enum class Music { Begin, Back };

// Which action-bar buttons (upgrade, sell, mortgage, unmortgage) are shown.
struct ActionMenuState {
  bool upgrade = false;
  bool sell = false;
  bool mortgage = false;
  bool unmortgage = false;
  bool operator==(const ActionMenuState&) const = default;
};

// Why a player owes money: the creditor is implied (the bank, except for
// rent and card payments between players) and the cause is reported.
enum class DebtCause { Rent, Tax, Card, Bail, Loan, Payment };

// A record of one thing that happened in a game, for traces and audits.
// Cheap to build: no strings.
enum class EventType {
  GameStarted,  // a = player count
  Throw,        // player, a = total
  Move,         // player, square = destination, a = squares moved, b = 1 when backwards
  Land,         // player, square
  Salary,       // player, a = amount
  CardDrawn,    // player, a = deck (0 Luck, 1 Chance), b = card index
  Payment,      // player = payer, other = payee (-1 bank), a = amount paid, b = DebtCause
  Credit,       // player receives a from the bank, b = DebtCause-like reason (card, casino)
  Purchase,     // player, square, a = price
  Takeover,     // player, other = previous owner, square, a = cost paid
  Sale,         // player, square, a = cash raised
  Mortgage,     // player, square, a = cash raised
  Unmortgage,   // player, square, a = cost
  Upgrade,      // player, square, a = cost, b = new star class
  Deposit,      // player, a
  Withdrawal,   // player, a
  Loan,         // player, a
  LoanRepaid,   // player, a
  Interest,     // player, a = deposit interest, b = loan interest
  Bet,          // player, a = stake, b = field, square = total thrown, other = 1 on a win
  JailStay,     // player
  JailBail,     // player
  JailCard,     // player
  GoToJail,     // player
  Bankruptcy,   // player, other = creditor (-1 bank), b = DebtCause
  Winner,       // player
  GameEnded,    // a = 1 when the player quit
};

struct GameEvent {
  EventType type;
  int player = -1;
  int other = -1;
  int square = -1;
  int64_t a = 0;
  int64_t b = 0;
};

class FrontEnd {
 public:
  virtual ~FrontEnd() = default;

  // --- Windows -------------------------------------------------------------
  virtual void ShowWindow(GameWindow w, WindowMode mode) = 0;
  // Closes a window without running any continuation or re-showing anything.
  virtual void CloseWindow(GameWindow w) = 0;
  // A warning message box with a title ("Bank", "Bet"); returns when closed.
  virtual void MessageBox(std::string_view title, std::string_view text) = 0;

  // --- Messages ------------------------------------------------------------
  // False when nobody reads messages (a fast simulation): the engine then
  // builds no text at all.
  virtual bool WantsText() const = 0;
  // The modal tip window, closing itself after `seconds` + 1 ticks.
  virtual void ShowTip(std::string_view text, int seconds) = 0;
  // One entry of the history log (the engine formats the text).
  virtual void AddHistory(std::string_view text) = 0;

  // --- Sound (the engine has already checked Mute and SoundOff) -------------
  virtual void PlayWave(Sound s, WaveMode mode) = 0;
  virtual void StopWave() = 0;
  virtual void PlayMusic(Music m) = 0;

  // --- Time and events -----------------------------------------------------
  // Waits `ms` milliseconds while window events keep running.
  virtual void Pause(int ms) = 0;
  virtual void ProcessEvents() = 0;
  // Runs `task` later from the event loop, never nested inside the caller.
  virtual void Post(std::function<void()> task, int delay_ms = 0) = 0;

  // --- Board and panels ----------------------------------------------------
  // False: no animation frames are wanted (the engine skips the 4-pixel steps).
  virtual bool Animates() const = 0;
  // One animation frame of the current player's token at (x, y), with its
  // 20 ms pause.
  virtual void DrawPlayerMove(int x, int y) = 0;
  // Takes a player's token and name off the board (the jump to jail).
  virtual void EraseToken(int player) = 0;
  virtual void DrawDice(int total) = 0;
  virtual void DrawMap() = 0;
  // Redraws board, tokens and every panel (the ranking is already updated).
  virtual void RefreshGame() = 0;
  virtual void CurrentPlayer(int player) = 0;
  virtual void ExchangePic(int hide_player) = 0;
  virtual void SetTurnMarker(int player, bool visible) = 0;
  virtual void ShowBankruptButton(bool visible) = 0;
  virtual void UpdateActionMenu(const ActionMenuState& state) = 0;
  // The panels of a player who has just gone bankrupt.
  virtual void MarkBankrupt(int player) = 0;
  // The end of a game: the winner in the current-player panel marked WINNER.
  virtual void ShowWinner(int player) = 0;
  // Shows the game screen for a new game (panels, board, empty history).
  virtual void ShowGameScreen() = 0;
  // Hides board, backdrop and panels (the game has ended).
  virtual void HideGameScreen() = 0;
  // Back to the title screen once the game has stopped.
  virtual void ReturnToTitle() = 0;
  // The player chose to leave the program.
  virtual void CloseMainWindow() = 0;
  // Width in pixels of a name in the board's font.
  virtual int NameWidth(std::string_view name) = 0;

  // --- Audit ---------------------------------------------------------------
  virtual void OnEvent(const GameEvent& /*event*/) {}
};

}  // namespace quorbis
