#include "economy/bank.h"

#include "economy/bankruptcy.h"
#include "economy/disposal.h"
#include "economy/manage.h"
#include "economy/transactions.h"
#include "engine/ui_calls.h"
#include "robot/robot.h"

namespace quorbis {

namespace {

void RepaidTip(Game& g, int p, Dollars loan) {
  Tip(g, 1, [&] { return NameOf(g, p) + " repaid the loan of " + FormatMoney(loan); });
}

// A person short of the loan raises the rest in the asset dialog, opened
// modal in mortgage mode; he may give up there. Returns false when the
// repayment ended his game or the game itself.
bool RaiseLoanInDialog(Game& g, int p) {
  g.ManageMode = kMortgage;
  OpenManageDialog(g, kMortgage, true);
  if (g.GameOver != 0 || g.Players[p].Bankrupt) return false;
  if (g.Players[p].Cash < 0) {
    // The dialog closed without the money (it cannot, short of giving up):
    // the loan is not repaid and the bank takes what he has.
    DeclareBankrupt(g, -1, DebtCause::Loan);
    return false;
  }
  g.DebtPending = false;
  g.ResumeAfterManage = -1;
  g.DebtCreditor[p] = -1;
  RepaidTip(g, p, g.Players[p].Loan);
  g.Players[p].Loan = 0;
  return true;
}

}  // namespace

void GetLoanLimit(Game& g) {
  const Player& p = g.Players[g.CurPlayer];
  Dollars v = 0;
  for (int s = 1; s < kSquareCount; ++s) {
    const Square& sq = g.Squares[s];
    if (sq.Owner != g.CurPlayer || sq.Mortgaged) continue;
    v = (Currency::FromDollars(v) + Share(sq.Price, 1, 3)).ToDollars();
  }
  g.LoanLimit = v + p.Cash + p.Deposit - p.Loan;
}

void GetHalfAssetValue(Game& g) {
  Dollars v = 0;
  for (int s = 1; s < kSquareCount; ++s) {
    const Square& sq = g.Squares[s];
    if (sq.Owner != g.CurPlayer) continue;
    v = (Currency::FromDollars(v) + Share(sq.Price, 1, 2)).ToDollars();
  }
  g.LoanLimit = v;
}

void SettleBankAccount(Game& g) {
  const int id = g.CurPlayer;
  Player& p = g.Players[id];
  bool repaying_in_dialog = false;
  if (p.PassedGo) {
    p.PassedGo = false;
    const Dollars deposit =
        (Currency::FromDollars(p.Deposit) + Share(p.Deposit, 10, 100)).ToDollars();
    const Dollars loan = (Currency::FromDollars(p.Loan) + Share(p.Loan, 15, 100)).ToDollars();
    if (deposit != p.Deposit || loan != p.Loan)
      Emit(g, {EventType::Interest, id, -1, -1, deposit - p.Deposit, loan - p.Loan});
    p.Deposit = deposit;
    p.Loan = loan;
    if (p.Loan >= 1) {
      bool repaid = false;
      if (p.Cash >= p.Loan) {
        p.Cash -= p.Loan;
        repaid = true;
      } else if (p.Cash + p.Deposit >= p.Loan) {
        Emit(g, {EventType::Withdrawal, id, -1, -1, p.Loan - p.Cash, 0});
        p.Deposit = p.Deposit + p.Cash - p.Loan;
        p.Cash = 0;
        repaid = true;
      }
      if (repaid) {
        Emit(g, {EventType::LoanRepaid, id, -1, -1, p.Loan, 0});
        RepaidTip(g, id, p.Loan);
        p.Loan = 0;
      } else {
        const Dollars shortfall = p.Loan - p.Deposit - p.Cash;
        if (!p.IsRobot)
          Tip(g, 2, [] {
            return std::string(
                "You have no enough money to repay loan. You have to dispose your assets to "
                "complete repaying");
          });
        if (p.Deposit != 0) Emit(g, {EventType::Withdrawal, id, -1, -1, p.Deposit, 0});
        Emit(g, {EventType::LoanRepaid, id, -1, -1, p.Loan, 0});
        p.Cash = p.Cash + p.Deposit - p.Loan;
        p.Deposit = 0;
        if (p.IsRobot) {
          SaleAssets(g, shortfall);
          if (p.Cash < 0) {
            DeclareBankrupt(g, -1, DebtCause::Loan);
            return;
          }
          RepaidTip(g, id, p.Loan);
          p.Loan = 0;
        } else if (p.Cash + GetDiposeValue(g) < 0) {
          // Even selling every unmortgaged square would not repay it.
          DeclareBankrupt(g, -1, DebtCause::Loan);
          return;
        } else {
          OpenPersonDebt(g, -1, DebtCause::Loan);
          g.ResumeAfterManage = 1;
          repaying_in_dialog = true;
        }
      }
    }
  }
  CurrentPlayer(g, -1);
  if (p.IsRobot) {
    RobotBank(g);
    return;
  }
  if (repaying_in_dialog && !RaiseLoanInDialog(g, id)) return;
  if (g.GameOver != 0) return;
  OpenBankDialog(g);
}

// --- The bank dialog ------------------------------------------------------

void OpenBankDialog(Game& g) {
  BankDialogLoad(g);
  OpenWindow(g, GameWindow::Bank, WindowMode::Modal);
  // A front end that returns with the window still marked open has closed it.
  if (g.BankDialogOpen) CloseGameWindow(g, GameWindow::Bank);
  g.BankBusiness = -1;
}

void BankDialogLoad(Game& g) {
  g.BankBusiness = -1;
  GetLoanLimit(g);
}

std::string_view BankChoiceCaption(int business) {
  switch (business) {
    case kBankDeposit:
      return "&Deposit";
    case kBankWithdrawal:
      return "&Withdrawal";
    case kBankLoan:
      return "&Loan";
    default:
      return "";
  }
}

bool BankChoiceEnabled(const Game& g, int business) {
  const Player& p = g.Players[g.CurPlayer];
  switch (business) {
    case kBankDeposit:
      return true;
    case kBankWithdrawal:
      return p.Deposit != 0;
    case kBankLoan:
      return g.LoanLimit > 9;
    default:
      return false;
  }
}

std::string_view BankHint(int hovered_business) {
  switch (hovered_business) {
    case kBankDeposit:
      return "Deposit the surplus cash into the bank, You will receive a 10% interest per round.";
    case kBankWithdrawal:
      return "Withdrawal money and interest from the bank";
    case kBankLoan:
      return "Apply for a bank loan, The interest rate is 15% per round.";
    default:
      return "Do a choice for the business you want.";
  }
}

bool BankChoose(Game& g, int business) {
  if (!BankChoiceEnabled(g, business)) return false;
  g.BankBusiness = business;
  return true;
}

BankPage BankPageFor(const Game& g) {
  const Player& p = g.Players[g.CurPlayer];
  BankPage page;
  page.player = "A/C Name: " + p.Name.Trimmed();
  page.cash = "Cash in hand: " + FormatMoney(p.Cash);
  switch (g.BankBusiness) {
    case kBankDeposit:
      page.title = "DEPOSIT";
      page.balance = "Deposit: " + FormatMoney(p.Deposit);
      page.amount_label = "Deposit Amount: ";
      page.hint = "Please set the deposit amount. The minimum amount of deposit is $100.00";
      break;
    case kBankWithdrawal:
      page.title = "WITHDRAWAL";
      page.balance = "Deposit: " + FormatMoney(p.Deposit);
      page.amount_label = "Withdrawal Amount: ";
      page.hint = "Please set the withdrawal amount. ";
      break;
    case kBankLoan:
      page.title = "LOAN";
      page.balance = "Loan: " + FormatMoney(p.Loan);
      page.amount_label = "Loan Amount: ";
      page.hint =
          "Please set the loan amount. The maximum amount of loan is " + FormatMoney(g.LoanLimit);
      break;
    default:
      break;
  }
  return page;
}

BankAmount ParseBankAmount(std::string_view text) {
  BankAmount result;
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  auto is_digit = [&](size_t k) { return k < text.size() && text[k] >= '0' && text[k] <= '9'; };
  Dollars whole = 0;
  bool any = false;
  for (; is_digit(i); ++i) {
    any = true;
    // Stop accumulating once beyond the cap: the value is refused anyway.
    if (!result.too_large) {
      whole = whole * 10 + (text[i] - '0');
      if (whole > kMaxBankAmount) result.too_large = true;
    }
  }
  // A decimal fraction, rounded half to even on its exact digits.
  if (i < text.size() && text[i] == '.' && is_digit(i + 1)) {
    any = true;
    ++i;
    const int first = text[i] - '0';
    bool rest_nonzero = false;
    for (++i; is_digit(i); ++i)
      if (text[i] != '0') rest_nonzero = true;
    if (first > 5 || (first == 5 && (rest_nonzero || whole % 2 == 1))) ++whole;
    if (whole > kMaxBankAmount) result.too_large = true;
  }
  if (!any) return result;
  if (result.too_large) {
    result.value = 0;
    return result;
  }
  result.value = negative ? -whole : whole;
  return result;
}

bool BankOk(Game& g, std::string_view amount_text) {
  if (!g.BankDialogOpen || g.BankBusiness < 0) return false;
  const int id = g.CurPlayer;
  Player& p = g.Players[id];
  const BankAmount amount = ParseBankAmount(amount_text);
  auto refuse = [&](std::string_view text) {
    g.ui->MessageBox("Bank", text);
    return false;
  };
  if (amount.too_large) return refuse("The amount is too large. Please reset.");
  const Dollars a = amount.value;
  switch (g.BankBusiness) {
    case kBankDeposit:
      if (a < 100) return refuse("The minimum amount of the deposit is $100. Please reset.");
      if (a > p.Cash)
        return refuse("The amount of the deposit is more than your cash in hand. Please reset.");
      p.Deposit += a;
      p.Cash -= a;
      Emit(g, {EventType::Deposit, id, -1, -1, a, 0});
      break;
    case kBankWithdrawal:
      if (a <= 0) return refuse("The withdrawal amount must be more than $0. Please reset.");
      if (a > p.Deposit)
        return refuse("The withdrawal amount is more than your deposits. Please reset.");
      p.Deposit -= a;
      p.Cash += a;
      Emit(g, {EventType::Withdrawal, id, -1, -1, a, 0});
      break;
    case kBankLoan:
      if (a > g.LoanLimit)
        return refuse("The amount of the loan is more than your maximum loan. Please reset.");
      if (a < 100) return refuse("The minimum amount of the loan is $100. Please reset.");
      p.Loan += a;
      p.Cash += a;
      Emit(g, {EventType::Loan, id, -1, -1, a, 0});
      break;
    default:
      return false;
  }
  CurrentPlayer(g, -1);
  BankDialogLoad(g);
  return true;
}

void BankBack(Game& g) {
  g.BankBusiness = -1;
}

void BankCancel(Game& g) {
  g.BankBusiness = -1;
  CloseGameWindow(g, GameWindow::Bank);
}

}  // namespace quorbis
