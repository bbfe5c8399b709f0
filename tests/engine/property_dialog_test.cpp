#include "engine/property_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/turn.h"
#include "engine/ui_calls.h"
#include "support/game_fixture.h"

namespace quorbis {
namespace {

using testing::GameFixture;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> out;
  size_t start = 0;
  while (true) {
    const size_t end = text.find("\r\n", start);
    out.push_back(text.substr(start, end - start));
    if (end == std::string::npos) break;
    start = end + 2;
  }
  return out;
}

TEST(DetailText, ListsRentsAndValuesByKindOfSquare) {
  GameFixture fx;
  // A building: rents by class, upgrade costs, values.
  EXPECT_EQ(Lines(DetailText(fx.g, 2)), (std::vector<std::string>{
                                            "      Price: $80          Rent: $16",
                                            "",
                                            "Owned Color-Group  - - - - -  $40",
                                            "3 Stars Class  - - - - - - - - - -  $80",
                                            "4 Stars Class  - - - - - - - - - -  $160",
                                            "5 Stars Class  - - - - - - - - - -  $320",
                                            "Up to 3 Stars Class costs $40",
                                            "Up to 4 Stars Class costs $80",
                                            "Up to 5 Stars Class costs $120",
                                            "Mortgage Value: $40",
                                            "Sell Value: $56",
                                            "Hostile Takeover Value: $240",
                                        }));
  // A trust member priced 150: a base rent of 37.5 shows as $38 (money
  // rounds half to even), three members' 112.5 as $112.
  EXPECT_EQ(Lines(DetailText(fx.g, 7)),
            (std::vector<std::string>{
                "      Price: $150          Rent: $38",
                "",
                "NYC Urban Traffic Trust (NYC Bus & NYC Subway & NYC Taxi & NYC Airline)",
                "",
                "If owned 1  - - - - - - -  $38",
                "2  - - - - - - - - - - - - - -  $75",
                "3  - - - - - - - - - - - - - -  $112",
                "4  - - - - - - - - - - - - - -  $150",
                "Mortgage Value: $75",
                "Sell Value: $105",
                "Hostile Takeover Value: $450",
            }));
  // A utility: the rule lines instead of a rent table, and no current rent.
  EXPECT_EQ(Lines(DetailText(fx.g, 15)),
            (std::vector<std::string>{
                "            Price: $100",
                "",
                "NYC Utility Trust (NYC Water & NYC Electric)",
                "",
                "    If one Utility is owned. The rent is 5 times amount shown on dice",
                "    If both Utilities are owned. The rent is 10 times amount shown on dice",
                "",
                "Mortgage Value: $50",
                "Sell Value: $70",
                "Hostile Takeover Value: $300",
            }));
}

TEST(DetailText, ValuesFollowThePriceAfterATakeover) {
  GameFixture fx;
  fx.S(7).Price = 225;  // 150 taken over once
  const std::vector<std::string> lines = Lines(DetailText(fx.g, 7));
  EXPECT_EQ(lines[8], "Mortgage Value: $112");  // 112.5, as the mortgage pays it
  EXPECT_EQ(lines[9], "Sell Value: $158");      // 157.5
  EXPECT_EQ(lines[10], "Hostile Takeover Value: $675");
}

TEST(PropertyDialog, ShowsTheCardOfTheSquare) {
  GameFixture fx;
  fx.Own(4, 1);
  const PropertyDialogState owned = PropertyDialogFor(fx.g, 4);
  EXPECT_EQ(owned.owner, "Owner: \r\nBob");
  EXPECT_EQ(owned.full_name, "Woolworth Building");
  EXPECT_EQ(owned.price, "Price: $80");
  EXPECT_EQ(owned.detail, DetailText(fx.g, 4));
  EXPECT_EQ(PropertyDialogFor(fx.g, 2).owner, "Owner: \r\n");
}

TEST(PropertyDialog, OffersTheActionsTheSituationAndCashAllow) {
  using B = PropertyButton;
  struct Case {
    const char* name;
    bool robot;
    Dollars cash;
    int owner;  // of square 2 (price 80): -1 none, 0 the player, 1 another
    bool mortgaged;
    bool trust_complete;
    B buy, cancel, pay, takeover;
    const char* pay_caption;
  } cases[] = {
      {"unowned, cash equals the price",
       false,
       80,
       -1,
       false,
       false,
       {true, true},
       {true, true},
       {},
       {},
       "&Pay Rent"},
      {"unowned, a dollar short",
       false,
       79,
       -1,
       false,
       false,
       {true, false},
       {true, true},
       {},
       {},
       "&Pay Rent"},
      {"another's, takeover at exactly 3 x price",
       false,
       240,
       1,
       false,
       false,
       {},
       {},
       {true, true},
       {true, true},
       "&Pay Rent"},
      {"another's, a dollar short of a takeover",
       false,
       239,
       1,
       false,
       false,
       {},
       {},
       {true, true},
       {true, false},
       "&Pay Rent"},
      {"another's in a complete trust, however rich",
       false,
       100000,
       1,
       false,
       true,
       {},
       {},
       {true, true},
       {true, false},
       "&Pay Rent"},
      {"another's mortgaged square",
       false,
       1500,
       1,
       true,
       false,
       {},
       {},
       {true, true},
       {true, true},
       "&Free Parking"},
      {"his own square: only the way out",
       false,
       1500,
       0,
       false,
       false,
       {},
       {true, true},
       {},
       {},
       "&Pay Rent"},
      {"a computer player gets no buttons",
       true,
       1500,
       1,
       false,
       false,
       {},
       {},
       {},
       {},
       "&Pay Rent"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    GameFixture fx({{"Ann", c.robot, kEasy, c.cash}, {"Bob"}});
    if (c.owner >= 0) fx.Own(2, c.owner);
    SetMortgaged(fx.g, 2, c.mortgaged);
    fx.S(2).TrustComplete = c.trust_complete;
    const PropertyDialogState st = PropertyDialogFor(fx.g, 2);
    const B want[4] = {c.buy, c.cancel, c.pay, c.takeover};
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(st.buttons[i].visible, want[i].visible) << "button " << i;
      EXPECT_EQ(st.buttons[i].enabled, want[i].enabled) << "button " << i;
    }
    EXPECT_EQ(st.pay_caption, c.pay_caption);
  }
}

// Ann (a person) has thrown onto square 2 and faces its dialog.
struct OnSquareTwo : GameFixture {
  explicit OnSquareTwo(Dollars cash = 1500)
      : GameFixture({{"Ann", false, kEasy, cash}, {"Bob", true}, {"Cat"}}) {
    Seat(0, 0);
    NextThrows({2});
    Begin();
    DiceClick(g);
  }
};

TEST(PropertyClick, CancelEndsTheLandingWithTheEndOfTurnButton) {
  OnSquareTwo fx;
  ASSERT_TRUE(fx.ui.IsOpen(GameWindow::Property));
  PropertyClick(fx.g, kActCancel);
  EXPECT_FALSE(fx.ui.IsOpen(GameWindow::Property));
  EXPECT_FALSE(fx.g.Rolling);
  EXPECT_TRUE(fx.ui.IsOpen(GameWindow::Dice));
  EXPECT_EQ(fx.g.DiceMode, 1);
  EXPECT_EQ(fx.S(2).Owner, -1);
}

TEST(PropertyClick, AButtonThatIsNotOfferedDoesNothing) {
  OnSquareTwo fx(79);  // "&Buy" disabled
  for (int action : {int{kActBuy}, int{kActPayRent}, int{kActTakeover}, 7, -1}) {
    PropertyClick(fx.g, action);
    EXPECT_TRUE(fx.ui.IsOpen(GameWindow::Property)) << action;
    EXPECT_EQ(fx.S(2).Owner, -1) << action;
    EXPECT_EQ(fx.P(0).Cash, 79) << action;
  }
}

TEST(PropertyClick, ADialogLeftFromAnotherTurnActsForNobody) {
  OnSquareTwo fx;
  fx.g.CurPlayer = 2;  // somehow the turn moved on while it stayed open
  fx.P(2).Position = 5;
  fx.g.CurSquare = 5;
  PropertyClick(fx.g, kActCancel);
  EXPECT_FALSE(fx.ui.IsOpen(GameWindow::Property));
  EXPECT_FALSE(fx.ui.IsOpen(GameWindow::Dice));
  EXPECT_EQ(fx.g.CurPlayer, 2);
}

TEST(PropertyClick, AfterACardMoveTheCardWindowCarriesTheTurnOn) {
  OnSquareTwo fx;
  OpenWindow(fx.g, GameWindow::Card, WindowMode::Modeless);
  PropertyClick(fx.g, kActCancel);
  EXPECT_FALSE(fx.ui.IsOpen(GameWindow::Property));
  EXPECT_FALSE(fx.ui.IsOpen(GameWindow::Dice));
  EXPECT_TRUE(fx.g.Rolling);
}

}  // namespace
}  // namespace quorbis
