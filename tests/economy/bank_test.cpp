#include "economy/bank.h"

#include <gtest/gtest.h>

#include <vector>

#include "economy/disposal.h"
#include "economy/economy_fixture.h"
#include "economy/manage.h"
#include "economy/transactions.h"

namespace quorbis {
namespace {

using testing::Buy;
using testing::Contains;
using testing::GameFixture;
using testing::Stand;

// A person at the bank; the bank dialog that follows the settlement is
// cancelled at once unless a test answers it.
struct Settlement : ::testing::Test {
  GameFixture f;
  int bank_dialogs = 0;
  std::function<void()> in_manage = [] {};
  void SetUp() override {
    f.ui.on_modal = [this](GameWindow w) {
      if (w == GameWindow::Bank) {
        ++bank_dialogs;
        BankCancel(f.g);
      }
      if (w == GameWindow::Manage) in_manage();
    };
    f.g.CurPlayer = 0;
  }
  Player& ann() { return f.P(0); }
};

TEST_F(Settlement, InterestAndRepaymentFromCashAndDeposit) {
  struct Case {
    const char* name;
    bool passed_go;
    Dollars cash, deposit, loan;
    Dollars cash_after, deposit_after;
    const char* tip;
  } cases[] = {
      {"a deposit earns 10%", true, 0, 1000, 0, 0, 1100, nullptr},
      {"cash and deposit repay together", true, 800, 500, 1000, 0, 200,
       "Ann repaid the loan of $1,150"},
      {"cash alone repays", true, 2000, 0, 1000, 850, 0, "Ann repaid the loan of $1,150"},
      {"no lap, no settlement", false, 300, 1000, 1000, 300, 1000, nullptr},
      {"halves of the interest go to even", true, 0, 15, 0, 0, 16, nullptr},
  };
  for (const Case& c : cases) {
    SetUp();
    f.ui.ClearRecords();
    bank_dialogs = 0;
    ann() = Player{};
    ann().Name = "Ann";
    ann().PassedGo = c.passed_go;
    ann().Cash = c.cash;
    ann().Deposit = c.deposit;
    ann().Loan = c.loan;
    SettleBankAccount(f.g);
    EXPECT_EQ(ann().Cash, c.cash_after) << c.name;
    EXPECT_EQ(ann().Deposit, c.deposit_after) << c.name;
    EXPECT_EQ(ann().Loan, c.passed_go ? 0 : c.loan) << c.name;
    EXPECT_FALSE(ann().PassedGo) << c.name;
    if (c.tip) {
      EXPECT_TRUE(Contains(f.ui.tips, c.tip)) << c.name;
    }
    EXPECT_EQ(bank_dialogs, 1) << "the bank dialog follows: " << c.name;
  }
}

TEST(RobotSettlement, ShortfallIsSoldOffOrEndsInBankruptcy) {
  GameFixture f({{"Ann"}, {"Bob", true, kEasy}});
  Buy(f, 1, 26);  // sale value 280
  Buy(f, 1, 28);  // sale value 245
  Player& bob = f.P(1);
  bob.PassedGo = true;
  bob.Cash = 300;
  bob.Deposit = 400;
  bob.Loan = 1000;
  Dollars cash_when_selling = 0;
  f.ui.on_event = [&](const GameEvent& e) {
    if (e.type == EventType::Sale && cash_when_selling == 0)
      cash_when_selling = bob.Cash;  // before the sale's cash is added
  };
  f.g.CurPlayer = 1;
  SettleBankAccount(f.g);
  // Deposit 440 and loan 1150 leave a shortfall of 410.
  EXPECT_EQ(cash_when_selling, -410);
  EXPECT_EQ(bob.Deposit, 0);
  EXPECT_EQ(bob.Cash, -410 + 280 + 245);
  EXPECT_EQ(bob.Loan, 0);
  EXPECT_FALSE(bob.Bankrupt);

  GameFixture poor({{"Ann"}, {"Bob", true, kEasy}});
  poor.P(1).PassedGo = true;
  poor.P(1).Loan = 1000;
  poor.P(1).Cash = 100;
  poor.g.CurPlayer = 1;
  SettleBankAccount(poor.g);
  EXPECT_TRUE(poor.P(1).Bankrupt);
}

TEST_F(Settlement, PersonRaisesTheRepaymentInTheModalMortgageDialog) {
  Buy(f, 0, 26);  // mortgage value 200
  Buy(f, 0, 28);  // mortgage value 175
  ann().PassedGo = true;
  ann().Cash = 0;
  ann().Loan = 200;  // 230 due
  in_manage = [&] {
    EXPECT_TRUE(f.g.ManageModal);
    EXPECT_EQ(f.g.ManageMode, kMortgage);
    EXPECT_EQ(f.g.ResumeAfterManage, 1);
    EXPECT_TRUE(ManageGiveUpOffered(f.g));
    ManageDone(f.g);  // still short: refused
    EXPECT_TRUE(f.g.ManageDialogOpen);
    ManageCardClick(f.g, 26);
    ManageDone(f.g);  // -30: still refused
    EXPECT_TRUE(f.g.ManageDialogOpen);
    ManageCardClick(f.g, 28);
    ManageDone(f.g);
  };
  SettleBankAccount(f.g);
  EXPECT_TRUE(Contains(f.ui.tips,
                       "You have no enough money to repay loan. You have to dispose "
                       "your assets to complete repaying"));
  EXPECT_TRUE(Contains(f.ui.tips, "You still have loans to repay "));
  EXPECT_TRUE(Contains(f.ui.tips, "Ann repaid the loan of $230"));
  EXPECT_EQ(ann().Cash, -230 + 200 + 175);
  EXPECT_EQ(ann().Loan, 0);
  EXPECT_FALSE(f.g.DebtPending);
  EXPECT_EQ(f.g.ResumeAfterManage, -1);
  EXPECT_FALSE(f.g.ManageDialogOpen);
  EXPECT_EQ(bank_dialogs, 1);
  EXPECT_EQ(f.ui.stuck_modals, 0);
}

TEST_F(Settlement, ThePersonMaySellInTheLoanDialogWhenMortgagesFallShort) {
  Buy(f, 0, 26);  // mortgage 200, sale 280
  ann().PassedGo = true;
  ann().Cash = 0;
  ann().Loan = 200;  // 230 due: more than the mortgage, less than the sale
  in_manage = [&] {
    ASSERT_TRUE(ManageModeSwitchOffered(f.g));
    ManageSwitchMode(f.g, kUpgrade);
    EXPECT_EQ(f.g.ManageMode, kMortgage) << "the loan dialog does not spend";
    ManageSwitchMode(f.g, kSell);
    ManageCardClick(f.g, 26);
    ManageDone(f.g);
  };
  SettleBankAccount(f.g);
  EXPECT_EQ(ann().Cash, 50);
  EXPECT_EQ(ann().Loan, 0);
  EXPECT_EQ(f.S(26).Owner, -1);
}

TEST_F(Settlement, ThePersonCanGiveUpInTheLoanDialog) {
  Buy(f, 0, 26);
  ann().PassedGo = true;
  ann().Cash = 0;
  ann().Loan = 200;
  GameFixture* fx = &f;
  in_manage = [fx] {
    ASSERT_TRUE(ManageGiveUpOffered(fx->g));
    ManageGiveUp(fx->g);
  };
  f.P(1).IsRobot = false;
  Buy(f, 1, 2);
  f.g.CurPlayer = 0;
  SettleBankAccount(f.g);
  EXPECT_TRUE(ann().Bankrupt);
  EXPECT_EQ(f.S(26).Owner, -1) << "a loan is owed to the bank";
  EXPECT_EQ(bank_dialogs, 0);
  EXPECT_EQ(f.ui.stuck_modals, 0);
}

TEST_F(Settlement, PersonWhoCannotRaiseTheRepaymentGoesBankruptAtOnce) {
  // Half the prices of his squares would cover the loan, but they are all
  // mortgaged already: nothing can be raised, so no dialog is opened.
  GameFixture three{{{"Ann"}, {"Bob"}, {"Cid"}}};
  Buy(three, 0, 26);
  Stand(three, 0, 26);
  DisposeAsset(three.g, 26, kMortgage);
  Player& p = three.P(0);
  p.PassedGo = true;
  p.Cash = 0;
  p.Loan = 150;
  int dialogs = 0;
  three.ui.on_modal = [&](GameWindow) { ++dialogs; };
  three.g.CurPlayer = 0;
  GetHalfAssetValue(three.g);
  EXPECT_EQ(three.g.LoanLimit, 200);
  SettleBankAccount(three.g);
  EXPECT_TRUE(p.Bankrupt);
  EXPECT_EQ(dialogs, 0);
}

TEST(LoanLimit, IsAThirdOfTheUnmortgagedSquaresPlusLiquidMoney) {
  GameFixture f;
  Buy(f, 0, 2);
  Buy(f, 0, 6);
  f.P(0).Cash = 500;
  f.g.CurPlayer = 0;
  GetLoanLimit(f.g);
  EXPECT_EQ(f.g.LoanLimit, 560);  // 27, then 60.33 -> 60
  f.P(0).Deposit = 100;
  f.P(0).Loan = 300;
  SetMortgaged(f.g, 6, true);
  GetLoanLimit(f.g);
  EXPECT_EQ(f.g.LoanLimit, 27 + 500 + 100 - 300);
  GetHalfAssetValue(f.g);
  EXPECT_EQ(f.g.LoanLimit, 40 + 50);
}

TEST(BankAmount, ReadsTheDecimalNumberAtTheStart) {
  struct Case {
    const char* text;
    Dollars value;
    bool too_large;
  } cases[] = {
      {"100", 100, false},
      {"  250", 250, false},
      {"12abc", 12, false},
      {"", 0, false},
      {"abc", 0, false},
      {"-50", -50, false},
      {"+70", 70, false},
      {"100.5", 100, false},
      {"101.5", 102, false},
      {"100.51", 101, false},
      {"1e5", 1, false},
      {".5", 0, false},
      {"0x10", 0, false},
      {"2147483647", 2147483647, false},
      {"2147483647.5", 0, true},
      {"2147483648", 0, true},
      {"99999999999999999999999999", 0, true},
  };
  for (const Case& c : cases) {
    const BankAmount a = ParseBankAmount(c.text);
    EXPECT_EQ(a.value, c.value) << '"' << c.text << '"';
    EXPECT_EQ(a.too_large, c.too_large) << '"' << c.text << '"';
  }
}

// The bank dialog open for Ann: cash 1500, deposit 500, no squares.
struct BankDialog : ::testing::Test {
  GameFixture f;
  void SetUp() override {
    f.g.CurPlayer = 0;
    f.P(0).Deposit = 500;
    BankDialogLoad(f.g);
    f.g.BankDialogOpen = true;
  }
};

TEST_F(BankDialog, ChoicesAreEnabledByTheAccount) {
  EXPECT_TRUE(BankChoiceEnabled(f.g, kBankDeposit));
  EXPECT_TRUE(BankChoiceEnabled(f.g, kBankWithdrawal));
  EXPECT_TRUE(BankChoiceEnabled(f.g, kBankLoan));
  f.P(0).Deposit = 0;
  f.P(0).Cash = 5;
  BankDialogLoad(f.g);
  EXPECT_EQ(f.g.LoanLimit, 5);
  EXPECT_TRUE(BankChoiceEnabled(f.g, kBankDeposit));
  EXPECT_FALSE(BankChoiceEnabled(f.g, kBankWithdrawal));
  EXPECT_FALSE(BankChoiceEnabled(f.g, kBankLoan));
  EXPECT_FALSE(BankChoose(f.g, kBankLoan));
  EXPECT_EQ(f.g.BankBusiness, -1);
}

TEST_F(BankDialog, HintsAndPages) {
  EXPECT_EQ(BankHint(kBankDeposit),
            "Deposit the surplus cash into the bank, You will receive a 10% interest per round.");
  EXPECT_EQ(BankHint(kBankWithdrawal), "Withdrawal money and interest from the bank");
  EXPECT_EQ(BankHint(kBankLoan), "Apply for a bank loan, The interest rate is 15% per round.");
  EXPECT_EQ(BankHint(-1), "Do a choice for the business you want.");

  ASSERT_TRUE(BankChoose(f.g, kBankLoan));
  const BankPage loan = BankPageFor(f.g);
  EXPECT_EQ(loan.title, "LOAN");
  EXPECT_EQ(loan.player, "A/C Name: Ann");
  EXPECT_EQ(loan.cash, "Cash in hand: $1,500");
  EXPECT_EQ(loan.balance, "Loan: $0");
  EXPECT_EQ(loan.amount_label, "Loan Amount: ");
  EXPECT_EQ(loan.hint, "Please set the loan amount. The maximum amount of loan is $2,000");
  BankBack(f.g);
  EXPECT_EQ(f.g.BankBusiness, -1);
  ASSERT_TRUE(BankChoose(f.g, kBankDeposit));
  EXPECT_EQ(BankPageFor(f.g).balance, "Deposit: $500");
  EXPECT_EQ(BankPageFor(f.g).hint,
            "Please set the deposit amount. The minimum amount of deposit is $100.00");
  ASSERT_TRUE(BankChoose(f.g, kBankWithdrawal));
  EXPECT_EQ(BankPageFor(f.g).title, "WITHDRAWAL");
  EXPECT_EQ(BankPageFor(f.g).amount_label, "Withdrawal Amount: ");
}

TEST_F(BankDialog, OkRefusesWithAMessageAndChangesNothing) {
  struct Case {
    int business;
    const char* text;
    const char* message;
  } cases[] = {
      {kBankDeposit, "50", "The minimum amount of the deposit is $100. Please reset."},
      {kBankDeposit, "abc", "The minimum amount of the deposit is $100. Please reset."},
      {kBankDeposit, "-500", "The minimum amount of the deposit is $100. Please reset."},
      {kBankDeposit, "1501",
       "The amount of the deposit is more than your cash in hand. Please reset."},
      {kBankDeposit, "99999999999999999999", "The amount is too large. Please reset."},
      {kBankWithdrawal, "0", "The withdrawal amount must be more than $0. Please reset."},
      {kBankWithdrawal, "xyz", "The withdrawal amount must be more than $0. Please reset."},
      {kBankWithdrawal, "-20", "The withdrawal amount must be more than $0. Please reset."},
      {kBankWithdrawal, "501", "The withdrawal amount is more than your deposits. Please reset."},
      {kBankLoan, "2001", "The amount of the loan is more than your maximum loan. Please reset."},
      {kBankLoan, "99", "The minimum amount of the loan is $100. Please reset."},
      {kBankLoan, "-1000", "The minimum amount of the loan is $100. Please reset."},
      {kBankLoan, "3000000000", "The amount is too large. Please reset."},
  };
  for (const Case& c : cases) {
    f.ui.message_boxes.clear();
    ASSERT_TRUE(BankChoose(f.g, c.business));
    EXPECT_FALSE(BankOk(f.g, c.text)) << c.text;
    EXPECT_EQ(f.ui.message_boxes, std::vector<std::string>{std::string("Bank: ") + c.message})
        << c.text;
    EXPECT_EQ(f.P(0).Cash, 1500) << c.text;
    EXPECT_EQ(f.P(0).Deposit, 500) << c.text;
    EXPECT_EQ(f.P(0).Loan, 0) << c.text;
    EXPECT_EQ(f.g.BankBusiness, c.business) << "the page stays open: " << c.text;
  }
}

TEST_F(BankDialog, CompletedBusinessUpdatesTheAccountAndReturnsToTheFrontPage) {
  struct Case {
    int business;
    const char* text;
    Dollars cash, deposit, loan;
  } cases[] = {
      {kBankDeposit, "100", 1400, 600, 0},
      {kBankWithdrawal, "250.5", 1750, 250, 0},
      {kBankLoan, "300", 1800, 500, 300},
  };
  for (const Case& c : cases) {
    SetUp();
    f.P(0).Cash = 1500;
    f.P(0).Deposit = 500;
    f.P(0).Loan = 0;
    BankDialogLoad(f.g);
    ASSERT_TRUE(BankChoose(f.g, c.business));
    EXPECT_TRUE(BankOk(f.g, c.text)) << c.text;
    EXPECT_EQ(f.P(0).Cash, c.cash) << c.text;
    EXPECT_EQ(f.P(0).Deposit, c.deposit) << c.text;
    EXPECT_EQ(f.P(0).Loan, c.loan) << c.text;
    EXPECT_EQ(f.g.BankBusiness, -1) << c.text;
  }
  // Loans taken in one visit add up, each within the limit of the moment.
  EXPECT_EQ(f.g.LoanLimit, 1800 + 500 - 300);
  ASSERT_TRUE(BankChoose(f.g, kBankLoan));
  EXPECT_TRUE(BankOk(f.g, "200"));
  EXPECT_EQ(f.P(0).Loan, 500);
}

TEST_F(BankDialog, CancelClosesAndTheActionCodeOpensItModal) {
  BankCancel(f.g);
  EXPECT_FALSE(f.g.BankDialogOpen);
  int shown = 0;
  f.ui.on_modal = [&](GameWindow w) {
    if (w != GameWindow::Bank) return;
    ++shown;
    EXPECT_EQ(f.g.BankBusiness, -1);
    BankCancel(f.g);
  };
  Stand(f, 0, 21);
  DoAssetAction(f.g, kBankDialog);
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(f.ui.stuck_modals, 0);
}

}  // namespace
}  // namespace quorbis
