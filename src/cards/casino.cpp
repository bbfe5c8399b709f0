#include "cards/casino.h"

#include "engine/turn.h"
#include "engine/ui_calls.h"

namespace quorbis {

namespace {

constexpr const char* kBetTitle = "Bet";
// Longer stakes than this many digits cannot be anybody's cash.
constexpr size_t kMaxStakeDigits = 15;

bool ValidPlayer(const Game& g, int p) {
  return p >= 0 && p < g.PlayerCount;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Pays out or collects a bet and tells the player.
void SettleBet(Game& g, int player, int choice, Dollars stake, int total) {
  Player& p = g.Players[player];
  const bool won = BetOutcomeFor(choice, total) == choice;
  if (won) {
    const Dollars payout = BetPayout(choice, stake);
    PlayWave(g, Sound::Win, WaveMode::Async);
    p.Cash += payout;
    Emit(g, {.type = EventType::Bet,
             .player = player,
             .other = 1,
             .square = total,
             .a = stake,
             .b = choice});
    Tip(g, 1, [&] {
      return "Congratulations " + NameOf(g, player) + "! You won $" + PlainNumber(payout) +
             " in Atlantic City";
    });
  } else {
    PlayWave(g, Sound::Lost, WaveMode::Async);
    p.Cash -= stake;
    Emit(g, {.type = EventType::Bet,
             .player = player,
             .other = 0,
             .square = total,
             .a = stake,
             .b = choice});
    Tip(g, 1, [&] {
      return "Sorry " + NameOf(g, player) + "! You lost $" + PlainNumber(stake) +
             " in Atlantic City";
    });
  }
}

// Neither the stake nor the choice is remembered from one visit to the next.
void ResetCasinoWindow(Game& g) {
  g.BetChoice = -1;
  g.BetOutcome = -2;
  g.BetTotal = 0;
  g.BetAmountText = "10";
}

void CloseCasinoWindow(Game& g) {
  CloseGameWindow(g, GameWindow::Casino);
  ResetCasinoWindow(g);
}

}  // namespace

const char* BetCaption(int field) {
  static constexpr const char* kCaptions[kBetFieldCount] = {"U", "L", "K", "Y", "C"};
  return field >= 0 && field < kBetFieldCount ? kCaptions[field] : "";
}

const char* BetTooltip(int field) {
  static constexpr const char* kTips[kBetFieldCount] = {
      "Bet Here? If No is 2,4,6,8,10. You will win.",
      "Bet Here? If No is 3,5,7,9,11. You will win.",
      "Bet Here? If No > 6. You will win.",
      "Bet Here? If No < 7. You will win.",
      "Bet Here? If No is 12. You will win.",
  };
  return field >= 0 && field < kBetFieldCount ? kTips[field] : "";
}

int BetOutcomeFor(int choice, int total) {
  switch (choice) {
    case kBetC:
      return total == 12 ? kBetC : -2;
    case kBetK:
    case kBetY:
      return total > 6 ? kBetK : kBetY;
    case kBetU:
    case kBetL:
      if (total >= 2 && total <= 11) return total % 2 == 0 ? kBetU : kBetL;
      return -2;
    default:
      return -2;
  }
}

Dollars BetPayout(int field, Dollars stake) {
  return field == kBetC ? stake * 2 : stake;
}

void OpenCasinoWindow(Game& g) {
  ResetCasinoWindow(g);
  OpenWindow(g, GameWindow::Casino, WindowMode::Modal);
}

void CasinoChoose(Game& g, int field) {
  if (!g.BetDialogOpen || g.BetTotal != 0 || field < 0 || field >= kBetFieldCount) return;
  g.BetChoice = field;
  ProcessEvents(g);
  PlayWave(g, Sound::Bet, WaveMode::Wait);
}

bool CasinoKeyAccepted(int key) {
  return key == 8 || (key >= '0' && key <= '9');
}

void CasinoSetAmountText(Game& g, std::string_view text) {
  std::string kept;
  kept.reserve(text.size());
  for (char c : text) {
    if (IsDigit(c)) kept.push_back(c);
  }
  g.BetAmountText = std::move(kept);
}

Dollars StakeFromText(std::string_view text) {
  // The box holds digits only; anything else ends the number, and a text
  // with no leading digits is worth 0.
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  while (i < text.size() && text[i] == '0') ++i;  // leading zeros add no digits
  Dollars value = 0;
  size_t digits = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    if (++digits > kMaxStakeDigits) return kStakeTooLarge;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

bool CasinoPlay(Game& g) {
  // A second click while the dice are already rolling is not a second bet.
  if (!g.BetDialogOpen || g.BetTotal != 0 || !ValidPlayer(g, g.CurPlayer)) return false;
  const int player = g.CurPlayer;
  Player& p = g.Players[player];
  g.BetAmount = StakeFromText(g.BetAmountText);
  if (g.BetAmount < kMinimumBet) {
    g.ui->MessageBox(kBetTitle, "The minimum bet amount is 10. Please rebet.");
    return false;
  }
  if (g.BetAmount > p.Cash) {
    g.ui->MessageBox(kBetTitle, "The bet amount is more than your cash. Please rebet.");
    return false;
  }
  if (g.BetChoice < 0 || g.BetChoice >= kBetFieldCount) {
    g.ui->MessageBox(kBetTitle, "Please do a choice. What you wanna bet.");
    return false;
  }

  g.BetTotal = -1;  // the dice are rolling
  const int total = RollDice(g);
  g.BetTotal = total;
  ProcessEvents(g);
  // Without sound the throw's sound is replaced by a pause of its length.
  if (g.Mute || g.SoundOff) Pause(g, 1000);
  PlayWave(g, Sound::Throw, WaveMode::Wait);
  g.BetOutcome = BetOutcomeFor(g.BetChoice, total);
  SettleBet(g, player, g.BetChoice, g.BetAmount, total);
  CloseCasinoWindow(g);
  RefreshGame(g);
  return true;
}

void CasinoCancel(Game& g) {
  if (!g.BetDialogOpen || g.BetTotal != 0) return;
  CloseCasinoWindow(g);
}

void CasinoFlashTick(Game& g) {
  g.FlashStep = g.FlashStep >= 5 ? 1 : g.FlashStep + 1;
}

Rgb CasinoFrameColor(int step) {
  switch (step) {
    case 1:
      return RGB(255, 0, 0);
    case 2:
      return RGB(0, 255, 0);
    case 3:
      return RGB(0, 0, 255);
    case 4:
      return RGB(255, 255, 0);
    default:
      return RGB(0, 0, 0);
  }
}

CasinoWindowView CasinoWindowFor(const Game& g) {
  CasinoWindowView v;
  if (ValidPlayer(g, g.CurPlayer)) {
    const Player& p = g.Players[g.CurPlayer];
    v.player = NameOf(g, g.CurPlayer);
    v.player_color = p.Color;
    v.cash = "Cash In Hand: " + FormatMoney(p.Cash);
  }
  v.dice = g.BetTotal > 0 ? std::to_string(g.BetTotal) : "CASINO";
  v.choice = g.BetChoice;
  v.amount_text = g.BetAmountText;
  v.frame = CasinoFrameColor(g.FlashStep);
  return v;
}

void RobotBet(Game& g) {
  const int player = g.CurPlayer;
  const Player& p = g.Players[player];
  Dollars stake = 0;
  switch (p.Level) {
    case kEasy:
      if (p.Cash <= 100) return;
      stake = kMinimumBet;
      break;
    case kNormal:
      if (p.Cash <= 100) return;
      stake = HalfEven(static_cast<double>(p.Cash) / 10.0);
      break;
    case kHard:
      if (p.Cash <= 200) return;
      stake = HalfEven(static_cast<double>(p.Cash) / 7.5);
      break;
    default:
      return;
  }
  // 0..5 with the ends half as likely; 5 names no field and always loses. A
  // Hard player folds U..C into U, L and K, so it never bets on Y or C.
  int choice = static_cast<int>(HalfEven(5.0 * static_cast<double>(g.rng.NextSingle())));
  if (p.Level == kHard && choice > kBetK) choice = kBetK;
  const int total = RollDice(g);
  SettleBet(g, player, choice, stake, total);
  RefreshGame(g);
}

}  // namespace quorbis
