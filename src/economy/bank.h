// The bank on square 21: the settlement once a lap, the loan limit, and the
// bank dialog's business rules, which the window calls.
#pragma once

#include <string>
#include <string_view>

#include "state/game_state.h"

namespace quorbis {

// Settles the current player's account as his token reaches the bank: once a
// lap the deposit earns 10% and the loan, grown by 15%, falls due. A person
// who cannot repay from cash and deposit raises the rest in the asset dialog
// (modal; he may give up there); then a person gets the bank dialog and a
// computer player banks by its policy.
// Events: Interest (a = deposit interest, b = loan interest), Withdrawal (the
// part of the deposit that repays), LoanRepaid.
void SettleBankAccount(Game& g);
// LoanLimit := a third of the prices of his unmortgaged squares, plus cash and
// deposit, less the loan.
void GetLoanLimit(Game& g);
// LoanLimit := half the prices of all his squares, mortgaged ones included.
void GetHalfAssetValue(Game& g);

// --- The bank dialog ------------------------------------------------------

enum BankBusinessKind : int { kBankDeposit = 0, kBankWithdrawal = 1, kBankLoan = 2 };

inline constexpr std::string_view kBankTitle = "BANK";
inline constexpr std::string_view kBankQuestion = "What business you want to go?";
inline constexpr std::string_view kBankCancelCaption = "&Cancel";
inline constexpr std::string_view kBankOkCaption = "&OK";
inline constexpr std::string_view kBankBackCaption = "&Back";
// The amount box's text when the dialog opens; it keeps what is typed
// while the dialog stays open.
inline constexpr std::string_view kBankAmountDefault = "100";
// The largest amount the dialog accepts: every sum it makes then stays far
// inside the money type.
inline constexpr Dollars kMaxBankAmount = 2147483647;

// Opens the dialog modal for the current player (loads its front page first)
// and refreshes the screen when it has closed.
void OpenBankDialog(Game& g);
// The load step, also run after every completed business: the front page,
// a new loan limit, the choices enabled anew.
void BankDialogLoad(Game& g);
// "&Deposit", "&Withdrawal", "&Loan".
std::string_view BankChoiceCaption(int business);
// Deposit always; withdrawal with a deposit; a loan when the limit is above 9.
bool BankChoiceEnabled(const Game& g, int business);
// The hint line of the front page while the mouse rests on a choice
// (-1: on the bare dialog).
std::string_view BankHint(int hovered_business);
// A click on a choice: shows its business page. False when it is disabled.
bool BankChoose(Game& g, int business);

// The business page's texts for the chosen business.
struct BankPage {
  std::string title;         // "DEPOSIT", "WITHDRAWAL", "LOAN"
  std::string player;        // "A/C Name: " and the name
  std::string cash;          // "Cash in hand: " and the cash
  std::string balance;       // "Deposit: " or "Loan: " and the balance
  std::string amount_label;  // "Deposit Amount: " ...
  std::string hint;          // the page's hint, with the minimum or the maximum
};
BankPage BankPageFor(const Game& g);

// The amount box read as the decimal number at its start (blanks before it
// allowed, an optional sign, digits and an optional decimal fraction),
// rounded half to even; 0 when the text does not start with one.
struct BankAmount {
  Dollars value = 0;
  bool too_large = false;  // beyond kMaxBankAmount: refused, never narrowed
};
BankAmount ParseBankAmount(std::string_view text);

// "&OK" with the amount box's text. A refusal is a "Bank" message box and
// leaves the page open; a completed business returns true and goes back to
// the front page.
bool BankOk(Game& g, std::string_view amount_text);
// "&Back": the front page again.
void BankBack(Game& g);
// "&Cancel": closes the dialog.
void BankCancel(Game& g);

}  // namespace quorbis
