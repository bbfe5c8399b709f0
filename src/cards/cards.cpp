#include "cards/cards.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "economy/disposal.h"
#include "economy/groups.h"
#include "economy/transactions.h"
#include "engine/movement.h"
#include "engine/turn.h"
#include "engine/ui_calls.h"

namespace quorbis {

namespace {

constexpr std::array<int, 4> kTrafficSquares = {7, 19, 31, 43};
constexpr std::array<int, 2> kUtilitySquares = {15, 39};

// Board targets of the "advance to" cards.
constexpr int kGoSquare = 0;
constexpr int kFreedomTower = 26;
constexpr int kGeBuilding = 16;
constexpr int kAmericanIntl = 44;
constexpr int kEmpireState = 28;

// The multiplier a utility charges on the dice while the utility card's
// landing is open.
constexpr int64_t kUtilityCardMultiplier = 10;

std::array<Card, kDeckSize>& Deck(Game& g) {
  return g.CardDeck != 0 ? g.ChanceCards : g.LuckCards;
}
const std::array<Card, kDeckSize>& Deck(const Game& g) {
  return g.CardDeck != 0 ? g.ChanceCards : g.LuckCards;
}

bool ValidPlayer(const Game& g, int p) {
  return p >= 0 && p < g.PlayerCount;
}

// The card window that a timed step was posted for is still the open one.
bool CardWindowIsCurrent(const Game& g, uint32_t serial) {
  return g.CardDialogOpen && g.CardWindowSerial == serial;
}

// Marks the card played and logs it; false when the game is already over,
// in which case nothing happens and the card stays unused.
bool StartCard(Game& g, int deck, int index) {
  if (g.GameOver != 0 || index < 0 || index >= kDeckSize) return false;
  Card& card = deck != 0 ? g.ChanceCards[index] : g.LuckCards[index];
  card.Used = true;
  History(g, [&] { return NameOf(g, g.CurPlayer) + ", " + card.Text.Trimmed(); });
  Emit(g, {.type = EventType::CardDrawn, .player = g.CurPlayer, .a = deck, .b = index});
  return true;
}

void Credit(Game& g, Dollars amount) {
  PlayWave(g, Sound::Win, WaveMode::Wait);
  g.Players[g.CurPlayer].Cash += amount;
  Emit(g, {.type = EventType::Credit,
           .player = g.CurPlayer,
           .a = amount,
           .b = static_cast<int64_t>(DebtCause::Card)});
}

void Fine(Game& g, Dollars amount) {
  PlayWave(g, Sound::Lost, WaveMode::Wait);
  PayDebt(g, amount, DebtCause::Card);
}

void GainJailCard(Game& g) {
  PlayWave(g, Sound::Win, WaveMode::Wait);
  g.Players[g.CurPlayer].JailCards += 1;
}

void CardToJail(Game& g) {
  GoToJail(g);
  DoAssetAction(g, kRefreshOnly);
}

// Every other player still in the game pays the drawer. Each payer is made
// the current player for his own payment, so a shortfall is his: it is kept
// for the start of his next turn instead of holding up the drawer's turn,
// and a later payer's payment cannot wipe out an earlier payer's debt.
void CollectFromEveryPlayer(Game& g) {
  const int drawer = g.CurPlayer;
  const int saved_square = g.CurSquare;
  Square& scratch = g.Squares[kScratchSquare];
  scratch.Rent = Currency::FromDollars(kCardPayment);
  scratch.Owner = drawer;
  g.CurSquare = kScratchSquare;
  for (int i = 0; i < g.PlayerCount; ++i) {
    if (i == drawer || g.Players[i].Bankrupt) continue;
    if (g.GameOver != 0) break;
    g.CurPlayer = i;
    if (g.Paused) PlayMoveSound(g);
    PlayWave(g, Sound::Win, WaveMode::Async);
    PayRent(g);
    if (g.DebtPending) {
      g.ShortfallAtTurnStart[i] = true;
      g.DebtPending = false;
    }
  }
  g.CurPlayer = drawer;
  g.CurSquare = saved_square;
  scratch.Rent = Currency();
  scratch.Owner = -1;
  // The payer's warning belongs to his own turn; the drawer's turn goes on.
  if (g.GameOver == 0 && g.Players[drawer].Cash >= 0) g.ui->ShowBankruptButton(false);
}

// The drawer pays every other player still in the game. A shortfall is the
// drawer's own and stays open as any debt of his turn would.
void PayEveryPlayer(Game& g) {
  const int drawer = g.CurPlayer;
  const int saved_square = g.CurSquare;
  Square& scratch = g.Squares[kScratchSquare];
  scratch.Rent = Currency::FromDollars(kCardPayment);
  g.CurSquare = kScratchSquare;
  for (int i = 0; i < g.PlayerCount; ++i) {
    if (i == drawer || g.Players[i].Bankrupt) continue;
    if (g.GameOver != 0 || g.Players[drawer].Bankrupt) break;
    scratch.Owner = i;
    PlayWave(g, Sound::Lost, WaveMode::Async);
    if (g.Paused) PlayMoveSound(g);
    PayRent(g);
  }
  g.CurSquare = saved_square;
  scratch.Rent = Currency();
  scratch.Owner = -1;
}

void AdvanceToNearestUtility(Game& g) {
  // A multiplier still kept from an earlier card goes back before a new one
  // is kept.
  RestoreUtilityMultiplier(g);
  const int target = NearestUtilitySquare(g.CurSquare);
  Square& utility = g.Squares[target];
  g.KeptUtilitySquare = target;
  g.KeptUtilityOwner = utility.Owner;
  g.KeptUtilityRent = utility.BaseRent;
  g.KeptUtilityEpoch = g.GameEpoch;
  utility.BaseRent = Currency::FromDollars(kUtilityCardMultiplier);
  ResumeAfterCard(g, target, false);
  // A person's property dialog settles the landing later and puts the
  // multiplier back itself; any other landing is settled by now.
  if (g.Players[g.CurPlayer].IsRobot || !g.DetailDialogOpen) RestoreUtilityMultiplier(g);
}

// What closing the card window leaves to do. `turn_waits` is false when
// something else has already carried the turn on, so that the turn is never
// handed on twice.
void CardWindowUnload(Game& g, bool turn_waits) {
  RestoreUtilityMultiplier(g);
  if (g.DebtPending) {
    g.ResumeAfterManage = 4;
    return;
  }
  if (g.ResumeAfterManage == 4) g.ResumeAfterManage = -1;
  if (turn_waits && ValidPlayer(g, g.CardPlayer) && !g.Players[g.CardPlayer].IsRobot) LuckLoop(g);
}

std::string Capitals(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

int NextAhead(int from, const auto& squares) {
  for (int step = 1; step <= kSquareCount; ++step) {
    const int s = (from + step) % kSquareCount;
    if (std::find(squares.begin(), squares.end(), s) != squares.end()) return s;
  }
  return squares.front();
}

}  // namespace

int NearestTrafficSquare(int from) {
  return NextAhead(from, kTrafficSquares);
}

int NearestUtilitySquare(int from) {
  return NextAhead(from, kUtilitySquares);
}

void RobotDestinyAction(Game& g) {
  const int drawer = g.CurPlayer;
  g.CardPlayer = drawer;
  g.CardApplied = false;
  const uint32_t serial = ++g.CardWindowSerial;
  g.CardIndex = AutoDice(g);
  OpenWindow(g, GameWindow::Card, WindowMode::Modeless);

  if (g.Players[drawer].IsRobot) {
    // A computer player's card plays itself and its window closes itself.
    Pause(g, kCardStepMs);
    if (CardWindowIsCurrent(g, serial)) RobotDestiny(g);
    Pause(g, kCardStepMs);
    if (CardWindowIsCurrent(g, serial)) {
      CloseGameWindow(g, GameWindow::Card);
      CardWindowUnload(g, false);
    }
    return;
  }

  const uint64_t epoch = g.GameEpoch;
  g.ui->Post(
      [&g, epoch, serial] {
        // A window closed early (a new game, quitting) leaves its card unplayed.
        if (g.GameEpoch != epoch || !CardWindowIsCurrent(g, serial) || g.CardApplied) return;
        RobotDestiny(g);
      },
      kCardStepMs);
}

int AutoDice(Game& g) {
  const int r = RollDice(g);
  auto& deck = Deck(g);
  if (std::all_of(deck.begin(), deck.end(), [](const Card& c) { return c.Used; })) {
    for (Card& c : deck) c.Used = false;
  }
  for (int i = 0; i < kDeckSize; ++i) {
    int k = r + i;
    if (k > 15) k -= kDeckSize;
    if (!deck[k].Used) return k;
  }
  return r % kDeckSize;  // not reached: at least one card is unused
}

void RobotDestiny(Game& g) {
  ProcessEvents(g);
  if (!g.CardDialogOpen || g.CardApplied) return;
  if (g.CardDeck != 0) {
    ApplyChanceCard(g, g.CardIndex);
  } else {
    ApplyLuckCard(g, g.CardIndex);
  }
  g.CardApplied = true;
  // A person left owing by the card raises the money in the asset dialog;
  // once it is settled the card's continuation is still the one to run.
  if (g.DebtPending && !g.Players[g.CurPlayer].IsRobot) g.ResumeAfterManage = 4;
  DoAssetAction(g, kRefreshOnly);
}

void ApplyLuckCard(Game& g, int index) {
  if (!StartCard(g, 0, index)) return;
  const Dollars amount = g.LuckCards[index].Amount;
  switch (index) {
    case 3:
    case 5:
    case 8:
    case 11:
      Fine(g, amount);
      break;
    case kLuckGoToJail:
      CardToJail(g);
      break;
    case kLuckJailCard:
      GainJailCard(g);
      break;
    case kLuckCollectFromAll:
      CollectFromEveryPlayer(g);
      break;
    case kLuckAdvanceToGo:
      ResumeAfterCard(g, kGoSquare, false);
      break;
    default:  // 0, 1, 2, 4, 6, 7, 9, 12
      Credit(g, amount);
      break;
  }
}

void ApplyChanceCard(Game& g, int index) {
  if (!StartCard(g, 1, index)) return;
  const Dollars amount = g.ChanceCards[index].Amount;
  switch (index) {
    case kChanceNearestTraffic:
      // The card promises twice the rental, but the landing is settled with
      // the ordinary rent like any other.
      ResumeAfterCard(g, NearestTrafficSquare(g.CurSquare), false);
      break;
    case kChanceFreedomTower:
      ResumeAfterCard(g, kFreedomTower, false);
      break;
    case kChanceAdvanceToGo:
    case kChanceAdvanceToGoAgain:
      ResumeAfterCard(g, kGoSquare, false);
      break;
    case kChanceBack3:
    case kChanceBack3Again:
      ResumeAfterCard(g, (g.CurSquare + kSquareCount - 3) % kSquareCount, true);
      break;
    case kChanceGoToJail:
      CardToJail(g);
      break;
    case kChanceGeBuilding:
      ResumeAfterCard(g, kGeBuilding, false);
      break;
    case 6:
      Fine(g, amount);
      break;
    case kChanceAmericanIntl:
      ResumeAfterCard(g, kAmericanIntl, false);
      break;
    case kChancePayEveryPlayer:
      PayEveryPlayer(g);
      break;
    case kChanceJailCard:
      GainJailCard(g);
      break;
    case kChanceNearestUtility:
      AdvanceToNearestUtility(g);
      break;
    case kChanceEmpireState:
      ResumeAfterCard(g, kEmpireState, false);
      break;
    default:  // 11, 13
      Credit(g, amount);
      break;
  }
}

void ResumeAfterCard(Game& g, int target, bool backwards) {
  int steps = target - g.CurSquare;
  if (target < g.CurSquare) steps += kSquareCount;
  // The card's move is a new move of this turn, not a second throw.
  g.Rolling = false;
  if (g.Players[g.CurPlayer].IsRobot) {
    LuckRobotLoop(g, steps, backwards);
  } else {
    LuckUserDice(g, steps, backwards);
  }
}

bool CardOkEnabled(const Game& g) {
  if (!g.CardDialogOpen || !g.CardApplied || !ValidPlayer(g, g.CardPlayer)) return false;
  if (g.Players[g.CardPlayer].IsRobot) return false;
  // The landing the card caused must be settled first, or the turn would be
  // handed on with a rent unpaid or a property dialog still waiting.
  return !g.DetailDialogOpen && !g.ManageDialogOpen && !g.DebtPending && !g.BankDialogOpen &&
         !g.BetDialogOpen;
}

void CardOk(Game& g) {
  if (!CardOkEnabled(g)) return;
  // Normally the card window holds the turn until OK. Should the turn have
  // moved on without it, OK only closes the window.
  const bool turn_waits = g.CurPlayer == g.CardPlayer && !g.DiceDialogOpen && !g.JailDialogOpen;
  CloseGameWindow(g, GameWindow::Card);
  CardWindowUnload(g, turn_waits);
}

void RestoreUtilityMultiplier(Game& g) {
  const int square = g.KeptUtilitySquare;
  if (square < 0) return;
  g.KeptUtilitySquare = -1;
  // A new game has started since: its board is fresh.
  if (g.KeptUtilityEpoch != g.GameEpoch || square >= kSquareCount) return;
  Square& utility = g.Squares[square];
  if (utility.Owner >= 0 && utility.Owner != g.KeptUtilityOwner) {
    // Bought or taken over during the landing: the kept value belongs to the
    // old owner's holdings.
    ApplyAssetChange(g, square, utility.Owner);
  } else {
    utility.BaseRent = g.KeptUtilityRent;
  }
}

CardWindowView CardWindowFor(const Game& g) {
  CardWindowView v;
  v.deck = g.CardDeck != 0 ? 1 : 0;
  v.title = v.deck != 0 ? "Chance" : "Luck";
  if (g.CardIndex >= 0 && g.CardIndex < kDeckSize) {
    v.text = Capitals(Deck(g)[g.CardIndex].Text.Trimmed());
  }
  if (ValidPlayer(g, g.CardPlayer)) v.name = NameOf(g, g.CardPlayer);
  v.ok_visible = g.CardDialogOpen && g.CardApplied && ValidPlayer(g, g.CardPlayer) &&
                 !g.Players[g.CardPlayer].IsRobot;
  v.ok_enabled = CardOkEnabled(g);
  return v;
}

}  // namespace quorbis
