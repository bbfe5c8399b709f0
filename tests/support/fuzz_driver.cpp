#include "support/fuzz_driver.h"

#include "cards/cards.h"
#include "cards/casino.h"
#include "cards/jail.h"
#include "economy/bank.h"
#include "economy/manage.h"
#include "engine/property_dialog.h"
#include "engine/turn.h"
#include "engine/ui_calls.h"

namespace quorbis::testing {

namespace {

constexpr int kOptionalPerTurn = 3;
// Clicks in a row without a throw before the game counts as stuck: far more
// than any turn needs, however the person dithers.
constexpr int kClicksWithoutThrow = 5000;

bool PersonsTurn(const Game& g) {
  const Player& p = g.Players[g.CurPlayer];
  return !p.IsRobot && !p.Bankrupt;
}

}  // namespace

FuzzDriver::FuzzDriver(Game& g, HeadlessFrontEnd& ui, uint64_t seed) : g_(g), ui_(ui), rng_(seed) {
  ui_.on_modal = [this](GameWindow w) { AnswerModal(w); };
  ui_.on_event = [this](const GameEvent& e) {
    if (e.type == EventType::Throw) {
      ++throws_;
      optional_this_turn_ = 0;
    }
  };
}

int FuzzDriver::Pick(int n) {
  return static_cast<int>(rng_.NextU64() % static_cast<uint64_t>(n));
}

std::string FuzzDriver::AmountText() {
  // Sensible amounts most of the time, and the texts a careless or hostile
  // person may type or paste.
  const Dollars cash = g_.Players[g_.CurPlayer].Cash;
  const Dollars some =
      cash > 0 ? 1 + static_cast<Dollars>(rng_.NextU64() % static_cast<uint64_t>(cash)) : 10;
  switch (Pick(12)) {
    case 0:
      return "";
    case 1:
      return "abc";
    case 2:
      return "-50";
    case 3:
      return "0";
    case 4:
      return "99999999999999999999999";
    case 5:
      return " 150.5";
    case 6:
      return std::to_string(cash);
    case 7:
      return std::to_string(cash + 1);
    default:
      return std::to_string(some);
  }
}

void FuzzDriver::AnswerManage(bool modal) {
  // Click enabled cards at random, then "&Done"; a modal dialog (a loan to
  // repay) that cannot be left by "&Done" is left by giving up.
  for (int tries = 0; tries < 64 && g_.ManageDialogOpen; ++tries) {
    std::vector<int> cards;
    for (int k = 1; k < kSquareCount; ++k)
      if (ManageCardEnabled(g_, k, g_.ManageMode)) cards.push_back(k);
    const bool short_of_cash = g_.Players[g_.CurPlayer].Cash < 0;
    if (!cards.empty() && (short_of_cash || Pick(3) == 0)) {
      ManageCardClick(g_, cards[Pick(static_cast<int>(cards.size()))]);
      continue;
    }
    if (modal && ManageModeSwitchOffered(g_) && Pick(4) == 0) {
      ManageSwitchMode(g_, Pick(2) == 0 ? kSell : kMortgage);
      continue;
    }
    ManageDone(g_);
    if (modal && g_.ManageDialogOpen && cards.empty()) {
      // Nothing left to raise the loan with: give up, by the dialog's own
      // button or by the bankrupt picture.
      if (ManageGiveUpOffered(g_) && Pick(2) == 0)
        ManageGiveUp(g_);
      else
        BankruptClick(g_);
    }
    if (!modal) return;
  }
}

void FuzzDriver::AnswerBank() {
  for (int tries = 0; tries < 16 && g_.BankDialogOpen; ++tries) {
    if (g_.BankBusiness < 0) {
      const int business = Pick(4);
      if (business == 3 || !BankChoiceEnabled(g_, business)) {
        BankCancel(g_);
        return;
      }
      BankChoose(g_, business);
      continue;
    }
    if (Pick(4) == 0)
      BankBack(g_);
    else
      BankOk(g_, AmountText());
  }
  if (g_.BankDialogOpen) BankCancel(g_);
}

void FuzzDriver::AnswerCasino() {
  for (int tries = 0; tries < 16 && g_.BetDialogOpen; ++tries) {
    switch (Pick(5)) {
      case 0:
        CasinoCancel(g_);
        return;
      case 1:
      case 2:
        CasinoChoose(g_, Pick(kBetFieldCount));
        break;
      case 3:
        CasinoSetAmountText(g_, AmountText());
        break;
      default:
        CasinoPlay(g_);
        break;
    }
  }
  if (g_.BetDialogOpen) CasinoCancel(g_);
}

void FuzzDriver::AnswerModal(GameWindow w) {
  switch (w) {
    case GameWindow::Manage:
      AnswerManage(true);
      break;
    case GameWindow::Bank:
      AnswerBank();
      break;
    case GameWindow::Casino:
      AnswerCasino();
      break;
    default:
      // No other window opens modal for a person.
      CloseGameWindow(g_, w);
      break;
  }
}

std::vector<FuzzDriver::Action> FuzzDriver::Choices() {
  std::vector<Action> out;
  if (g_.GameOver != 0) return out;
  const bool person = PersonsTurn(g_);
  if (g_.DiceDialogOpen && !(g_.DiceMode == 1 && g_.DebtPending))
    out.push_back({"dice", [this] { DiceClick(g_); }, 8});
  if (g_.DetailDialogOpen && person) {
    const PropertyDialogState st = PropertyDialogFor(g_, g_.CurSquare);
    for (int i = 0; i < 4; ++i) {
      if (!st.buttons[i].visible || !st.buttons[i].enabled) continue;
      out.push_back({"property " + std::to_string(i), [this, i] { PropertyClick(g_, i); }, 8});
    }
  }
  if (g_.CardDialogOpen && CardOkEnabled(g_)) out.push_back({"card ok", [this] { CardOk(g_); }, 8});
  if (g_.JailDialogOpen && person) {
    const JailWindowView jail = JailWindowFor(g_);
    for (int i = 0; i < kJailButtonCount; ++i) {
      if (!jail.buttons[i].visible || !jail.buttons[i].enabled) continue;
      out.push_back({"jail " + std::to_string(i), [this, i] { JailClick(g_, i); }, 4});
    }
  }
  if (g_.ManageDialogOpen && person) out.push_back({"manage", [this] { AnswerManage(false); }, 8});
  if (person && !g_.ManageDialogOpen &&
      (g_.DebtPending || optional_this_turn_ < kOptionalPerTurn)) {
    const ActionMenuState m = ActionMenuFor(g_, g_.CurPlayer);
    const int weight = g_.DebtPending ? 8 : 1;
    auto open = [this](int mode) {
      ++optional_this_turn_;
      OpenManageDialog(g_, mode, false);
    };
    if (m.upgrade) out.push_back({"bar upgrade", [open] { open(kUpgrade); }, weight});
    if (m.sell) out.push_back({"bar sell", [open] { open(kSell); }, weight});
    if (m.mortgage) out.push_back({"bar mortgage", [open] { open(kMortgage); }, weight});
    if (m.unmortgage) out.push_back({"bar unmortgage", [open] { open(kUnmortgage); }, weight});
  }
  if (person && g_.DebtPending && ui_.bankrupt_button)
    out.push_back({"give up", [this] { BankruptClick(g_); }, 1});
  return out;
}

FuzzResult FuzzDriver::Play(int max_throws) {
  FuzzResult result;
  int clicks_since_throw = 0;
  int last_throws = throws_;
  while (true) {
    if (g_.EndedEpoch == g_.GameEpoch) {
      result.ended = true;
      break;
    }
    if (throws_ >= max_throws) break;
    if (ui_.HasPending()) {
      ui_.RunUntilIdle(1);
      ++result.steps;
      if (after_step) after_step("posted work");
      continue;
    }
    std::vector<Action> choices = Choices();
    if (choices.empty()) {
      result.stuck = g_.GameOver != 0 ? "the game stopped but never left the board"
                                      : "no window, button or posted work carries the game on";
      break;
    }
    int total = 0;
    for (const Action& a : choices) total += a.weight;
    int roll = Pick(total);
    const Action* chosen = &choices.front();
    for (const Action& a : choices) {
      if (roll < a.weight) {
        chosen = &a;
        break;
      }
      roll -= a.weight;
    }
    const std::string name = chosen->name;
    chosen->run();
    ++result.steps;
    if (after_step) after_step(name);
    if (throws_ != last_throws) {
      last_throws = throws_;
      clicks_since_throw = 0;
    } else if (++clicks_since_throw > kClicksWithoutThrow) {
      result.stuck = "clicks go round without a throw (last: " + name + ")";
      break;
    }
  }
  result.throws = throws_;
  return result;
}

}  // namespace quorbis::testing
