#include "engine/property_dialog.h"

#include <initializer_list>

#include "cards/cards.h"
#include "economy/disposal.h"
#include "economy/transactions.h"
#include "engine/turn.h"
#include "engine/ui_calls.h"

namespace quorbis {

namespace {

constexpr const char* kLineBreak = "\r\n";

std::string JoinLines(std::initializer_list<std::string> lines) {
  std::string text;
  bool first = true;
  for (const std::string& line : lines) {
    if (!first) text += kLineBreak;
    text += line;
    first = false;
  }
  return text;
}

}  // namespace

std::string DetailText(const Game& g, int square) {
  if (square < 0 || square > kScratchSquare) return {};
  const Square& s = g.Squares[square];
  const Dollars p = s.Price;
  const Currency b = s.BaseRent;
  const Currency u = s.UpgradeCost;
  // The mortgage and sale lines show what the operation pays, rounded as the
  // money itself is.
  const std::string values_mortgage = "Mortgage Value: " + FormatMoney(MortgageValue(s));
  const std::string values_sell = "Sell Value: " + FormatMoney(SaleValue(s));
  const std::string values_takeover = "Hostile Takeover Value: " + FormatMoney(3 * p);
  switch (s.TrustType) {
    case kBuilding:
      return JoinLines({
          "      Price: " + FormatMoney(p) + "          Rent: " + FormatMoney(s.Rent),
          "",
          "Owned Color-Group  - - - - -  " + FormatMoney(2 * b),
          "3 Stars Class  - - - - - - - - - -  " + FormatMoney(4 * b),
          "4 Stars Class  - - - - - - - - - -  " + FormatMoney(8 * b),
          "5 Stars Class  - - - - - - - - - -  " + FormatMoney(16 * b),
          "Up to 3 Stars Class costs " + FormatMoney(u),
          "Up to 4 Stars Class costs " + FormatMoney(2 * u),
          "Up to 5 Stars Class costs " + FormatMoney(3 * u),
          values_mortgage,
          values_sell,
          values_takeover,
      });
    case kTrust:
      return JoinLines({
          "      Price: " + FormatMoney(p) + "          Rent: " + FormatMoney(s.Rent),
          "",
          s.GroupName.Trimmed(),
          "",
          "If owned 1  - - - - - - -  " + FormatMoney(b),
          "2  - - - - - - - - - - - - - -  " + FormatMoney(2 * b),
          "3  - - - - - - - - - - - - - -  " + FormatMoney(3 * b),
          "4  - - - - - - - - - - - - - -  " + FormatMoney(4 * b),
          values_mortgage,
          values_sell,
          values_takeover,
      });
    case kUtility:
      return JoinLines({
          "            Price: " + FormatMoney(p),
          "",
          s.GroupName.Trimmed(),
          "",
          "    If one Utility is owned. The rent is 5 times amount shown on dice",
          "    If both Utilities are owned. The rent is 10 times amount shown on dice",
          "",
          values_mortgage,
          values_sell,
          values_takeover,
      });
    default:
      return {};
  }
}

PropertyDialogState PropertyDialogFor(const Game& g, int square) {
  PropertyDialogState st;
  if (square < 0 || square >= kSquareCount) return st;
  const Square& s = g.Squares[square];
  st.owner = std::string("Owner: ") + kLineBreak + s.OwnerName.Trimmed();
  st.full_name = s.FullName.Trimmed();
  st.price = "Price: $" + PlainNumber(s.Price);
  st.detail = DetailText(g, square);
  if (g.CurPlayer < 0 || g.CurPlayer >= g.PlayerCount) return st;
  const Player& p = g.Players[g.CurPlayer];
  if (p.IsRobot) return st;  // shown without buttons, closed by the engine
  PropertyButton* b = st.buttons;
  if (s.Owner == g.CurPlayer) {
    // Buying one's own square again would count it twice: only the way out.
    b[kActCancel] = {true, true};
  } else if (s.Owner >= 0) {
    // No cancel here: the visitor pays or takes the square over.
    if (s.Mortgaged) st.pay_caption = "&Free Parking";
    b[kActPayRent] = {true, true};
    b[kActTakeover] = {true, p.Cash >= 3 * s.Price && !s.TrustComplete};
  } else {
    b[kActBuy] = {true, p.Cash >= s.Price};
    b[kActCancel] = {true, true};
  }
  return st;
}

void PropertyClick(Game& g, int action) {
  TurnScope scope(g);
  if (!g.DetailDialogOpen || g.GameOver != 0 || g.ExitRequested) return;
  if (action < kActBuy || action > kActTakeover) return;
  // A dialog acts only for the player and the square it was opened for.
  if (g.PropertyPlayer != g.CurPlayer || g.PropertySquare != g.CurSquare) {
    CloseGameWindow(g, GameWindow::Property);
    return;
  }
  const PropertyDialogState st = PropertyDialogFor(g, g.CurSquare);
  if (!st.buttons[action].visible || !st.buttons[action].enabled) return;

  static constexpr int kCodes[4] = {kBuy, kRefreshOnly, kPayRentAction, kTakeover};
  CloseGameWindow(g, GameWindow::Property);
  g.PropertyPlayer = -1;
  g.PropertySquare = -1;
  DoAssetAction(g, kCodes[action]);
  RestoreUtilityMultiplier(g);
  // After a card move the card window carries the turn on.
  if (g.CardDialogOpen) return;
  Pause(g, 200);
  ProcessEvents(g);
  g.Rolling = false;
  if (g.GameOver != 0 || g.ExitRequested) return;
  if (g.DebtPending) {
    UpdateActionMenu(g);
    return;
  }
  if (!g.Players[g.CurPlayer].Bankrupt) {
    ShowDiceWindow(g, 1);
    return;
  }
  PlayerTurn(g);
  MainLoop(g);
}

}  // namespace quorbis
