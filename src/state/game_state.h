// The whole state of a game: the player, square and card records, the decks
// and every game-wide variable, under the names the rules use. One `Game`
// object holds it; every subsystem reads and writes that one copy.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "state/fixed_text.h"
#include "state/money.h"
#include "state/rng.h"

namespace quorbis {

class FrontEnd;

// Colours are 32-bit RGB values with red in the low byte.
using Rgb = uint32_t;
constexpr Rgb RGB(uint32_t r, uint32_t g, uint32_t b) {
  return r | (g << 8) | (b << 16);
}
constexpr uint32_t RedOf(Rgb c) {
  return c & 0xFF;
}
constexpr uint32_t GreenOf(Rgb c) {
  return (c >> 8) & 0xFF;
}
constexpr uint32_t BlueOf(Rgb c) {
  return (c >> 16) & 0xFF;
}

constexpr Rgb kUnownedColor = RGB(80, 80, 80);

constexpr int kSquareCount = 48;    // squares 0..47 on the board
constexpr int kScratchSquare = 48;  // "Temp Asset": borrowed for payments between players
constexpr int kMaxPlayers = 4;
constexpr int kPlayerRecords = 8;  // 0..3 players, 4..7 working room for the seating shuffle
constexpr int kDeckSize = 16;

// What happens on landing on a square (`Square::Kind`).
enum SquareKind : int32_t {
  kProperty = 0,
  kTax = 1,
  kBank = 2,
  kCasino = 3,
  kLuck = 4,
  kNothing = 5,  // GO and Free Park
  kChance = 6,
  kGoIntoJail = 7,
  kJail = 8,  // just visiting
};

// `Square::TrustType`.
enum TrustKind : int32_t {
  kBuilding = 0,  // member of a colour group
  kTrust = 1,     // member of a four-member trust
  kUtility = 2,
};

// Computer player levels (`Player::Level`).
enum RobotLevel : int32_t { kEasy = 0, kNormal = 1, kHard = 2 };

// Disposal kinds shared by DisposeAsset, ManageMode and the asset dialog.
enum DisposeKind : int32_t { kSell = 0, kMortgage = 1, kUnmortgage = 2, kUpgrade = 3 };

struct Point {
  int32_t X = 0;
  int32_t Y = 0;
  bool operator==(const Point&) const = default;
};

struct Player {
  int32_t Ranking = 0;
  int32_t AssetCount = 0;
  FixedText<12> Name;
  int32_t NameWidth = 0;
  int32_t Icon = 0;
  int32_t ColorIndex = 0;
  bool IsRobot = false;
  int32_t Position = 0;
  Dollars Cash = 0;
  Dollars TAV = 0;
  Dollars Worth = 0;
  std::array<Point, kSquareCount> TokenPos{};
  int32_t Level = 0;
  Rgb Color = 0;
  bool Bankrupt = false;
  Dollars Deposit = 0;
  Dollars Loan = 0;
  bool PassedGo = false;
  bool InJail = false;
  int16_t JailTurns = 0;
  int16_t JailCards = 0;
};

struct Square {
  FixedText<24> ShortName;
  FixedText<128> FullName;
  int32_t Owner = -1;
  FixedText<12> OwnerName;
  Dollars Price = 0;
  Currency UpgradeCost;
  Currency BaseRent;
  Currency Rent;
  int32_t StarClass = 0;
  int32_t TrustType = 0;
  bool CanUpgrade = false;
  bool TrustComplete = false;
  FixedText<128> GroupName;
  int32_t Kind = 0;
  Rgb Color = 0;
  int32_t ImageX = 0, ImageY = 0;  // star-class mark
  int32_t TextX = 0, TextY = 0;    // mortgage mark
  bool Mortgaged = false;
  int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
};

struct Card {
  FixedText<256> Text;
  Dollars Amount = 0;
  bool Used = false;
};

// The one game object. Field names follow the rules' vocabulary so that every
// rule reads as it is written.
struct Game {
  // Records.
  std::array<Player, kPlayerRecords> Players{};
  std::array<Square, kSquareCount + 1> Squares{};
  std::array<Card, kDeckSize> LuckCards{};
  std::array<Card, kDeckSize> ChanceCards{};
  std::array<std::string, kSquareCount> ShortNames{};
  std::array<std::string, kSquareCount> PriceText{};
  std::array<std::string, kSquareCount> RentText{};
  std::array<std::string, kSquareCount> PriceRentText{};
  // Names typed in the set-up dialog, one per column; outlive a game.
  std::array<FixedText<12>, kMaxPlayers> PlayerNames{};

  // Game-wide state.
  int32_t PlayerCount = 0;
  int32_t CurPlayer = 0;
  int32_t CurSquare = 0;
  int32_t GameOver = 0;
  bool GameRunning = false;
  bool ExitRequested = false;
  bool Rolling = false;
  bool Moving = false;
  bool Paused = false;
  bool DebtPending = false;
  int32_t ResumeAfterManage = -1;
  bool JailTurnOver = false;
  int16_t CardDeck = 0;
  int32_t CardIndex = 0;
  int32_t DiceMode = 0;
  int32_t LastDice = 0;
  Dollars Salary = 0;
  Dollars TotalPrice = 0;
  Dollars LoanLimit = 0;
  int32_t ManageMode = 0;
  int32_t HoverSquare = -1;

  // Options, set to their defaults at every start and changed for the run only.
  bool Mute = false;
  bool MusicOff = false;
  bool SoundOff = false;
  int32_t Volume = 5;
  int32_t VideoOption = 5;
  int32_t WindowMaximized = 2;
  int32_t WindowWidth = 1024;
  int32_t WindowHeight = 768;
  Dollars RobotBase = 100;  // computer players' cash reserve

  // Folders, each ending in "/".
  std::string AppPath;
  std::string WavPath;
  std::string MapPath;
  std::string BackMusicFile;
  std::string BeginMusicFile;

  // Windows that are loaded (true from load to unload). The boss key re-shows
  // windows by them and leaving a game closes windows by them.
  bool SetupDialogOpen = false;
  bool DiceDialogOpen = false;
  bool BankDialogOpen = false;
  bool BetDialogOpen = false;
  bool CardDialogOpen = false;
  bool DetailDialogOpen = false;
  bool JailDialogOpen = false;
  bool ManageDialogOpen = false;
  bool HoverCardOpen = false;
  bool TipWindowOpen = false;
  bool OptionDialogOpen = false;
  bool HelpDialogOpen = false;
  bool AboutDialogOpen = false;
  bool IconDialogOpen = false;
  bool PopMenuOpen = false;

  // --- Turn engine (engine/) -------------------------------------------------
  // A payer whose shortfall arose outside his own turn (a card payment to the
  // drawer) settles it before his next throw.
  std::array<bool, kPlayerRecords> ShortfallAtTurnStart{};
  // Engine entry points running on the stack. The end of a game (back to the
  // title screen, or closing the program) waits until they have unwound, so
  // that it runs once and never under a turn that is still moving.
  int32_t TurnDepth = 0;
  // The game (by GameEpoch) whose end has run, and the one the player quit.
  uint64_t EndedEpoch = 0;
  uint64_t QuitEpoch = 0;
  // The player and square the open property dialog was opened for: a click
  // acts only for them.
  int32_t PropertyPlayer = -1;
  int32_t PropertySquare = -1;

  // --- Economy (economy/) ------------------------------------------------------
  // Whom each player's open debt is owed to (-1 the bank) and why (a
  // DebtCause), written whenever a person is left short. Giving up hands the
  // squares to that creditor, whatever square the player stands on by then.
  std::array<int32_t, kPlayerRecords> DebtCreditor{-1, -1, -1, -1, -1, -1, -1, -1};
  std::array<int32_t, kPlayerRecords> DebtReason{};
  // The asset dialog: the player it was opened for (its clicks act for him
  // alone), whether it was opened modal for a loan repayment, and whether it
  // hid the property dialog, which comes back when it closes.
  int32_t ManagePlayer = -1;
  bool ManageModal = false;
  bool ManageHidProperty = false;
  // What each player holds, as sets of squares (bit s for square s of the
  // board; the scratch square is never counted): the squares he owns, and
  // those of them under a mortgage. Every rule that changes an owner or a
  // mortgage goes through SetOwner / SetMortgaged (state/holdings.h), so that
  // the computer players and the group tests read a few bits instead of
  // walking the board.
  std::array<uint64_t, kPlayerRecords> OwnedSquares{};
  std::array<uint64_t, kPlayerRecords> MortgagedSquares{};
  // The worths the players' rankings were last worked out from, for the first
  // RankedCount players (-1: not yet in this game). UpdateRanking runs after
  // every change of money and ranks again only when a worth moved.
  std::array<Dollars, kPlayerRecords> RankedWorth{};
  int32_t RankedCount = -1;
  // The bank dialog's page: -1 the front page, else the business chosen
  // (0 deposit, 1 withdrawal, 2 loan).
  int32_t BankBusiness = -1;

  // --- Cards, casino and jail (cards/) -----------------------------------------
  // The card window: who drew the card, whether it has been played yet (its
  // OK shows only then), and a number that tells the window's own timed step
  // from one left over by a window closed early.
  int32_t CardPlayer = -1;
  bool CardApplied = false;
  uint32_t CardWindowSerial = 0;
  // The nearest-utility card raises the utility's multiplier to 10 for the
  // one landing it causes; the old value waits here until that landing is
  // settled. KeptUtilitySquare is -1 when nothing is kept.
  int32_t KeptUtilitySquare = -1;
  int32_t KeptUtilityOwner = -1;
  Currency KeptUtilityRent;
  uint64_t KeptUtilityEpoch = 0;
  // The casino window: the chosen field (-1 none), the field the total
  // satisfies (-2 none), the stake, the flashing frame's step, the stake box's
  // text and the total shown after the throw (0 before it, -1 while the
  // dice roll). The window is the current player's.
  int32_t BetChoice = -1;
  int32_t BetOutcome = -2;
  Dollars BetAmount = 0;
  int32_t FlashStep = 1;
  std::string BetAmountText = "10";
  int32_t BetTotal = 0;
  // The jail window's player; its buttons act only for him.
  int32_t JailPlayer = -1;

  // --- Computer players (robot/) -----------------------------------------------

  // Counts games started in this run; work posted for one game is dropped
  // when it runs after another game has started.
  uint64_t GameEpoch = 0;

  // The one random generator of the game.
  Rng rng;
  // Windows, sounds, pauses and event pumping; never null while a game runs.
  FrontEnd* ui = nullptr;
};

// Option defaults and the reserve, as set at every program start.
void SetOptionDefaults(Game& g);

}  // namespace quorbis
