#include "economy/manage.h"

#include "economy/bankruptcy.h"
#include "economy/disposal.h"
#include "economy/groups.h"
#include "economy/transactions.h"
#include "engine/turn.h"
#include "engine/ui_calls.h"
#include "state/board.h"

namespace quorbis {

namespace {

bool ValidMode(int mode) {
  return mode >= kSell && mode <= kUpgrade;
}

// The player whose squares the dialog shows: the one it was opened for.
int DialogPlayer(const Game& g) {
  return g.ManageDialogOpen && g.ManagePlayer >= 0 ? g.ManagePlayer : g.CurPlayer;
}

// The dialog belongs to one player's turn; once the turn has passed (or he is
// out of the game) it has nothing left to do.
bool DialogStillHis(const Game& g) {
  const int p = g.ManagePlayer;
  return g.ManageDialogOpen && p >= 0 && p == g.CurPlayer && !g.Players[p].Bankrupt &&
         g.GameOver == 0;
}

std::string ClickReport(const Game& g, int p, int k, int mode) {
  const std::string name = NameOf(g, p);
  const Square& sq = g.Squares[k];
  const std::string square = sq.ShortName.Trimmed();
  switch (mode) {
    case kSell:
      return name + " sold " + square;
    case kMortgage:
      return name + " mortgaged " + square;
    case kUnmortgage:
      return name + " unmortgaged " + square;
    default:
      return name + " upgraded " + square + " to " + std::to_string(sq.StarClass) + " Stars Class";
  }
}

}  // namespace

void OpenManageDialog(Game& g, int mode, bool modal) {
  if (!ValidMode(mode)) return;
  const int p = g.CurPlayer;
  if (g.Players[p].Bankrupt) return;
  if (g.ManageDialogOpen) {
    if (!modal && !g.ManageModal && g.ManagePlayer == p) {
      // Another command of the action bar: the open dialog reloads in its mode.
      g.ManageMode = mode;
      OpenWindow(g, GameWindow::Manage, WindowMode::Modeless);
      return;
    }
    // Left open for someone else, or a modeless one under the modal loan
    // dialog: it starts afresh.
    g.ManageHidProperty = false;
    CloseManageDialog(g);
  }
  g.ManageMode = mode;
  g.ManagePlayer = p;
  g.ManageModal = modal;
  g.ManageHidProperty = false;
  if (g.DetailDialogOpen) {
    CloseGameWindow(g, GameWindow::Property);
    g.ManageHidProperty = true;
  }
  OpenWindow(g, GameWindow::Manage, modal ? WindowMode::Modal : WindowMode::Modeless);
  // A modal window that came back still marked open was closed by the front
  // end itself.
  if (modal && g.ManageDialogOpen) CloseManageDialog(g);
}

bool ManageCardEnabled(const Game& g, int k, int mode) {
  return DisposalAllowed(g, DialogPlayer(g), k, mode);
}

CardLook ManageCardLook(const Game& g, int k, int mode) {
  CardLook look;
  if (k <= 0 || k >= kSquareCount) return look;
  const Square& sq = g.Squares[k];
  const int p = DialogPlayer(g);
  // A 5-star building keeps its look in upgrade mode, though it cannot climb.
  const bool top_class = mode == kUpgrade && sq.Kind == kProperty && sq.Owner == p &&
                         !sq.Mortgaged && sq.TrustType == kBuilding && sq.CanUpgrade &&
                         sq.StarClass >= 5;
  if (!DisposalAllowed(g, p, k, mode) && !top_class) return look;
  if (sq.TrustType == kBuilding) {
    static constexpr CardPictures kGroupSets[] = {
        CardPictures::Own,    CardPictures::Green, CardPictures::Red,  CardPictures::Blue,
        CardPictures::Yellow, CardPictures::Pink,  CardPictures::Brown};
    look.set = kGroupSets[BuildingGroup(k)];
    look.index = mode == kUnmortgage ? 1 : sq.StarClass;
  } else if (mode == kUnmortgage) {
    look.set = CardPictures::Trust;
    look.index = 1;
  } else {
    look.set = CardPictures::Own;
    look.index = k;
  }
  return look;
}

void ManageCardClick(Game& g, int k) {
  if (!g.ManageDialogOpen) return;
  if (!DialogStillHis(g)) {
    CloseManageDialog(g);
    return;
  }
  const int p = g.ManagePlayer;
  const int mode = g.ManageMode;
  if (!DisposalAllowed(g, p, k, mode)) return;
  const Square& sq = g.Squares[k];
  const Dollars cost = DisposalCost(sq, mode);
  if (cost > 0 && g.Players[p].Cash < cost) {
    if (mode == kUnmortgage)
      Tip(g, 1, [] { return std::string("You have no enough cash to unmortgage."); });
    else
      Tip(g, 1, [] { return std::string("You have no enough cash to upgrade."); });
    return;
  }
  ApplyDisposal(g, p, k, mode, true);
  if (mode == kUpgrade) {
    PlayWave(g, Sound::Upgrade, WaveMode::Async);
    History(g, [&] { return ClickReport(g, p, k, mode); });
    DoAssetAction(g, kRefreshUpgrade);
  } else {
    History(g, [&] { return ClickReport(g, p, k, mode); });
    ApplyAssetChange(g, k, p);
    DoAssetAction(g, kRefreshOnly);
  }
}

void ManageDone(Game& g) {
  if (!g.ManageDialogOpen) return;
  const int p = g.ManagePlayer >= 0 ? g.ManagePlayer : g.CurPlayer;
  if (g.ResumeAfterManage == 1 && g.Players[p].Cash < 0 && DialogStillHis(g)) {
    Tip(g, 1, [] { return std::string("You still have loans to repay "); });
    return;
  }
  const bool his = DialogStillHis(g);
  CloseManageDialog(g);
  UpdateActionMenu(g);
  if (!his || !g.DebtPending || g.Players[p].Cash < 0) return;
  g.DebtPending = false;
  g.DebtCreditor[p] = -1;
  // A debt left by a card: the card window is still up and its OK hands the
  // turn on, so nothing is resumed twice.
  if (g.CardDialogOpen) return;
  switch (g.ResumeAfterManage) {
    case 1:
      // The bank settlement that opened the dialog goes on when it returns.
      return;
    case 4:
      g.ResumeAfterManage = -1;
      LuckLoop(g);
      return;
    case 8:
      g.ResumeAfterManage = -1;
      MainLoop(g);
      return;
    default:
      g.ResumeAfterManage = -1;
      g.DiceMode = 1;
      OpenWindow(g, GameWindow::Dice, WindowMode::Modeless);
      return;
  }
}

bool ManageGiveUpOffered(const Game& g) {
  return DialogStillHis(g) && g.ManageModal && g.DebtPending && g.Players[g.ManagePlayer].Cash < 0;
}

void ManageGiveUp(Game& g) {
  if (!ManageGiveUpOffered(g)) return;
  g.ManageHidProperty = false;
  CloseManageDialog(g);
  DeclareBankruptForOpenDebt(g);
}

bool ManageModeSwitchOffered(const Game& g) {
  return DialogStillHis(g) && g.ManageModal;
}

void ManageSwitchMode(Game& g, int mode) {
  if (!ValidMode(mode) || !DialogStillHis(g)) return;
  // The loan repayment's dialog raises money; it does not spend it.
  if (g.ManageModal && mode != kSell && mode != kMortgage) return;
  g.ManageMode = mode;
}

void CloseManageDialog(Game& g) {
  const bool reshow = g.ManageHidProperty && DialogStillHis(g);
  CloseGameWindow(g, GameWindow::Manage);
  g.ManageModal = false;
  g.ManageHidProperty = false;
  if (reshow) OpenWindow(g, GameWindow::Property, WindowMode::Modeless);
}

std::string_view ManageTitle(int mode) {
  switch (mode) {
    case kSell:
      return "Sell";
    case kMortgage:
      return "Mortgage";
    case kUnmortgage:
      return "Unmortgage";
    case kUpgrade:
      return "Upgrade";
    default:
      return "";
  }
}

std::string_view ManageHint(int mode) {
  switch (mode) {
    case kSell:
      return "Mouse over the card to see details. And click the card to sell";
    case kMortgage:
      return "Mouse over the card to see details. And click the card to mortgage";
    case kUnmortgage:
      return "Mouse over the card to see details. And click the card to unmortgage";
    case kUpgrade:
      return "Mouse over the card to see details. And click the card to upgrade";
    default:
      return "";
  }
}

ManageHover ManageHoverFor(const Game& g, int k, int mode) {
  ManageHover hover;
  if (k <= 0 || k >= kSquareCount) return hover;
  const Square& sq = g.Squares[k];
  hover.name = sq.ShortName.Trimmed();
  // Inserted rather than "$" + text: GCC 12 at -O3 warns falsely on that form.
  hover.price = PlainNumber(sq.Price);
  hover.price.insert(hover.price.begin(), '$');
  std::string value;
  switch (mode) {
    case kSell:
      value = "Sell Value: " + PlainNumber(SaleValue(sq));
      break;
    case kMortgage:
      value = "Mortgage Value: " + PlainNumber(MortgageValue(sq));
      break;
    case kUnmortgage:
      value = "Unmortgage Value: " + PlainNumber(UnmortgageCost(sq));
      break;
    case kUpgrade:
      value = "Upgrade Value: " + PlainNumber(sq.UpgradeCost);
      break;
    default:
      break;
  }
  hover.detail = sq.FullName.Trimmed() + "\n" + value;
  hover.picture = k;
  return hover;
}

std::array<ManageGridCell, kManageCardCount> ManageGrid() {
  static constexpr int kLeftRows[5][4] = {
      {2, 4, 6, 0}, {8, 10, 14, 16}, {18, 20, 22, 0}, {26, 28, 30, 0}, {32, 34, 38, 40}};
  static constexpr int kRightRows[5][4] = {
      {42, 44, 46, 0}, {1, 13, 25, 37}, {15, 39, 0, 0}, {7, 19, 31, 43}, {11, 23, 35, 47}};
  std::array<ManageGridCell, kManageCardCount> grid{};
  int n = 0;
  for (int row = 0; row < 5; ++row) {
    const int top = 840 + row * 420;
    for (int col = 0; col < 4; ++col)
      if (kLeftRows[row][col] != 0) grid[n++] = {kLeftRows[row][col], 2790 + col * 390, top};
    for (int col = 0; col < 4; ++col)
      if (kRightRows[row][col] != 0) grid[n++] = {kRightRows[row][col], 4560 + col * 390, top};
  }
  return grid;
}

}  // namespace quorbis
