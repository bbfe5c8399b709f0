// The card window as the turn meets it: the timed steps for people and
// computer players, OK held back while the card's landing is open, the
// collection from every player, and the nearest-utility multiplier.
#include <gtest/gtest.h>

#include "cards/card_test_support.h"
#include "cards/cards.h"
#include "economy/manage.h"
#include "engine/property_dialog.h"
#include "engine/ui_calls.h"
#include "support/game_fixture.h"

namespace quorbis::testing {
namespace {

// The current player stands on a card square after his throw, and the next
// card of `deck` will be `index`.
void ReadyToDraw(GameFixture& f, int player, int square, int deck, int index) {
  f.g.CurPlayer = player;
  f.g.CurSquare = square;
  f.P(player).Position = square;
  f.g.CardDeck = static_cast<int16_t>(deck);
  f.g.Rolling = true;
  f.g.LastDice = 7;
  OnlyCardLeft(f.g, deck, index);
}

bool EndOfTurnDiceShown(const Game& g) {
  return g.DiceDialogOpen && g.DiceMode == 1;
}

TEST(CardWindow, APersonsCardIsPlayedHalfASecondAfterOpeningAndOkEndsTheTurn) {
  GameFixture f;
  ReadyToDraw(f, 0, 3, 0, 9);  // bank error, collect 200

  RobotDestinyAction(f.g);
  CardWindowView view = CardWindowFor(f.g);
  EXPECT_TRUE(f.ui.IsOpen(GameWindow::Card));
  EXPECT_EQ(view.title, "Luck");
  EXPECT_EQ(view.text, "BANK ERROR IN YOUR FAVOR\r\nCOLLECT $200");
  EXPECT_EQ(view.name, "Ann");
  EXPECT_FALSE(view.ok_visible);
  EXPECT_FALSE(f.g.LuckCards[9].Used);
  EXPECT_EQ(f.P(0).Cash, 1500);

  const int64_t opened = f.ui.clock_ms;
  f.ui.RunUntilIdle();
  EXPECT_GE(f.ui.clock_ms - opened, kCardStepMs);
  EXPECT_TRUE(f.g.LuckCards[9].Used);
  EXPECT_EQ(f.P(0).Cash, 1700);
  view = CardWindowFor(f.g);
  EXPECT_TRUE(view.ok_visible);
  EXPECT_TRUE(view.ok_enabled);
  EXPECT_FALSE(f.g.DiceDialogOpen);  // the turn waits for OK

  CardOk(f.g);
  EXPECT_FALSE(f.ui.IsOpen(GameWindow::Card));
  EXPECT_FALSE(f.g.CardDialogOpen);
  EXPECT_TRUE(EndOfTurnDiceShown(f.g));
  EXPECT_FALSE(f.g.Rolling);
}

TEST(CardWindow, AWindowClosedBeforeItsCardIsPlayedLeavesTheCardUnused) {
  GameFixture f;
  ReadyToDraw(f, 0, 3, 0, 9);  // bank error, collect 200
  RobotDestinyAction(f.g);
  CloseAllGameWindows(f.g);  // a new game is started
  f.ui.RunUntilIdle();
  EXPECT_FALSE(f.g.LuckCards[9].Used);
  EXPECT_EQ(f.P(0).Cash, 1500);

  // A window opened at once after an early close must not have its card
  // played by the first window's leftover step, nor twice.
  RobotDestinyAction(f.g);
  CloseAllGameWindows(f.g);
  ReadyToDraw(f, 0, 3, 0, 4);  // inherit 100
  RobotDestinyAction(f.g);
  f.ui.RunUntilIdle();
  EXPECT_EQ(f.P(0).Cash, 1600);
  EXPECT_TRUE(f.g.LuckCards[4].Used);
  EXPECT_TRUE(CardOkEnabled(f.g));
}

TEST(CardWindow, AComputerPlayersCardPlaysAndClosesWithinAboutASecond) {
  GameFixture f;
  ReadyToDraw(f, 1, 33, 0, 9);
  const int64_t opened = f.ui.clock_ms;

  RobotDestinyAction(f.g);

  EXPECT_FALSE(f.g.CardDialogOpen);
  EXPECT_FALSE(f.ui.IsOpen(GameWindow::Card));
  EXPECT_TRUE(f.g.LuckCards[9].Used);
  EXPECT_EQ(f.P(1).Cash, 1700);
  EXPECT_GE(f.ui.clock_ms - opened, 2 * kCardStepMs);
  EXPECT_LT(f.ui.clock_ms - opened, 2 * kCardStepMs + 500);
  // Its own turn goes on where the card was opened; nothing is handed on.
  EXPECT_EQ(f.g.CurPlayer, 1);
  EXPECT_FALSE(f.g.DiceDialogOpen);
  EXPECT_FALSE(f.ui.HasPending());
}

// A card moves the person onto a square of another player: the rent must be
// paid in the property dialog before OK can end the turn.
TEST(CardWindow, OkWaitsUntilThePropertyDialogOfTheCardsLandingIsAnswered) {
  GameFixture f;
  f.Own(28, 1);                  // Empire State, rent 70
  ReadyToDraw(f, 0, 27, 1, 14);  // advance to Empire State

  RobotDestinyAction(f.g);
  f.ui.RunUntilIdle();
  ASSERT_EQ(f.P(0).Position, 28);
  ASSERT_TRUE(f.g.DetailDialogOpen);
  EXPECT_TRUE(CardWindowFor(f.g).ok_visible);
  EXPECT_FALSE(CardWindowFor(f.g).ok_enabled);

  CardOk(f.g);  // a click on the disabled button
  EXPECT_TRUE(f.g.CardDialogOpen);
  EXPECT_FALSE(f.g.DiceDialogOpen);

  PropertyClick(f.g, kActPayRent);
  EXPECT_EQ(f.P(0).Cash, 1430);
  EXPECT_EQ(f.P(1).Cash, 1570);
  // The property dialog leaves the turn to the card window.
  EXPECT_TRUE(f.g.CardDialogOpen);
  EXPECT_FALSE(f.g.DiceDialogOpen);
  EXPECT_TRUE(CardOkEnabled(f.g));

  CardOk(f.g);
  EXPECT_TRUE(EndOfTurnDiceShown(f.g));
}

// A card fine the person cannot pay from cash: OK stays disabled while the
// debt is open; once the asset dialog has raised the money, OK ends the
// card and the turn passes exactly once.
TEST(CardWindow, OkWaitsUntilTheCardsDebtIsSettled) {
  GameFixture f({{"Ann", false, kEasy, 100}, {"Bob"}});
  f.Own(44, 0);                // mortgage value 140
  ReadyToDraw(f, 0, 3, 0, 3);  // school tax 150

  RobotDestinyAction(f.g);
  f.ui.RunUntilIdle();
  ASSERT_TRUE(f.g.DebtPending);
  EXPECT_EQ(f.P(0).Cash, -50);
  EXPECT_TRUE(CardWindowFor(f.g).ok_visible);
  EXPECT_FALSE(CardOkEnabled(f.g));

  OpenManageDialog(f.g, kMortgage, false);
  ManageCardClick(f.g, 44);
  ManageDone(f.g);
  EXPECT_EQ(f.P(0).Cash, 90);
  EXPECT_FALSE(f.g.DebtPending);
  EXPECT_TRUE(f.g.CardDialogOpen);
  EXPECT_TRUE(CardOkEnabled(f.g));
  EXPECT_EQ(f.g.CurPlayer, 0);

  CardOk(f.g);
  EXPECT_FALSE(f.g.CardDialogOpen);
  EXPECT_TRUE(EndOfTurnDiceShown(f.g));
  EXPECT_EQ(f.g.ResumeAfterManage, -1);
  DiceClick(f.g);
  EXPECT_EQ(f.g.CurPlayer, 1);
  EXPECT_EQ(f.g.DiceMode, 0);  // Bob's throw, not a second end of Ann's turn
}

// "Collect $50 from every player" with two payers who cannot pay from cash:
// each payer's shortfall is kept for his own next turn, and the drawer's
// turn goes on as if everybody had paid.
TEST(CardWindow, PayersShortfallsFromACollectionWaitForTheirOwnTurns) {
  GameFixture f({{"Ann"}, {"Bob", false, kEasy, 20}, {"Cid", false, kEasy, 10}});
  f.Own(2, 1);
  f.Own(4, 2);
  ReadyToDraw(f, 0, 3, 0, 14);

  RobotDestinyAction(f.g);
  f.ui.RunUntilIdle();

  EXPECT_EQ(f.P(0).Cash, 1600);  // the drawer is paid in full
  EXPECT_EQ(f.P(1).Cash, -30);
  EXPECT_EQ(f.P(2).Cash, -40);
  EXPECT_TRUE(f.g.ShortfallAtTurnStart[1]);
  EXPECT_TRUE(f.g.ShortfallAtTurnStart[2]);
  EXPECT_FALSE(f.g.ShortfallAtTurnStart[0]);
  EXPECT_FALSE(f.g.DebtPending);
  EXPECT_FALSE(f.ui.bankrupt_button);
  EXPECT_EQ(f.g.CurPlayer, 0);
  EXPECT_EQ(f.g.CurSquare, 3);

  ASSERT_TRUE(CardOkEnabled(f.g));
  CardOk(f.g);
  EXPECT_TRUE(EndOfTurnDiceShown(f.g));
  EXPECT_EQ(f.g.CurPlayer, 0);

  // Bob's turn opens with his own debt, before any throw.
  DiceClick(f.g);
  EXPECT_EQ(f.g.CurPlayer, 1);
  EXPECT_TRUE(f.g.DebtPending);
  EXPECT_TRUE(f.ui.bankrupt_button);
  EXPECT_EQ(f.g.ResumeAfterManage, 8);
  EXPECT_FALSE(f.g.DiceDialogOpen);
  EXPECT_TRUE(f.g.ShortfallAtTurnStart[2]);
}

TEST(CardWindow, AComputerPlayerPaysTheUtilityTenTimesTheThrowAndTheMultiplierReturns) {
  GameFixture f({{"Ann"}, {"Bob", true, kEasy, 250}});
  f.Own(15, 0);
  ReadyToDraw(f, 1, 9, 1, 10);

  RobotDestinyAction(f.g);

  EXPECT_EQ(f.P(1).Position, 15);
  EXPECT_EQ(f.P(1).Cash, 250 - 70);
  EXPECT_EQ(f.P(0).Cash, 1500 + 70);
  EXPECT_EQ(f.S(15).BaseRent, Currency::FromDollars(5));
}

struct UtilityCase {
  const char* name;
  int owner;        // of square 15 before the card
  bool ann_has_39;  // the drawer holds the other utility
  int action;       // the person's choice in the property dialog
  Dollars change;   // of the drawer's cash
  int64_t multiplier_after;
};

// A person's landing on the utility is settled in the property dialog: the
// card's multiplier holds until the choice, then goes back, unless the choice
// changed the owner, when it follows the new owner's holdings.
TEST(CardWindow, TheNearestUtilityMultiplierLastsUntilThePersonsChoice) {
  const UtilityCase cases[] = {
      {"rent to the owner is ten times the throw", 1, false, kActPayRent, -70, 5},
      {"cancelling on an unowned utility", -1, false, kActCancel, 0, 5},
      {"buying the second utility", -1, true, kActBuy, -100, 10},
      {"taking over the second utility", 1, true, kActTakeover, -300, 10},
  };
  for (const UtilityCase& c : cases) {
    SCOPED_TRACE(c.name);
    GameFixture f;
    if (c.owner >= 0) f.Own(15, c.owner);
    if (c.ann_has_39) f.Own(39, 0);
    ReadyToDraw(f, 0, 9, 1, 10);

    RobotDestinyAction(f.g);
    f.ui.RunUntilIdle();
    ASSERT_EQ(f.P(0).Position, 15);
    ASSERT_TRUE(f.g.DetailDialogOpen);
    EXPECT_EQ(f.S(15).BaseRent, Currency::FromDollars(10));

    PropertyClick(f.g, c.action);

    EXPECT_EQ(f.P(0).Cash, 1500 + c.change);
    EXPECT_EQ(f.S(15).BaseRent, Currency::FromDollars(c.multiplier_after));
    ASSERT_TRUE(CardOkEnabled(f.g));
    CardOk(f.g);
    EXPECT_TRUE(EndOfTurnDiceShown(f.g));
  }
}

// The card's text promises twice the rental; the landing is charged the
// ordinary rent like any other landing.
TEST(CardWindow, TheNearestUrbanTrafficCardChargesTheOrdinaryRent) {
  GameFixture f;
  f.Own(19, 1);  // one trust member: rent 37.5
  ReadyToDraw(f, 0, 9, 1, 0);
  RobotDestinyAction(f.g);
  f.ui.RunUntilIdle();
  ASSERT_EQ(f.P(0).Position, 19);
  PropertyClick(f.g, kActPayRent);
  EXPECT_EQ(f.P(0).Cash, 1500 - 38);
}

}  // namespace
}  // namespace quorbis::testing
