#include "robot/robot.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

#include "economy/bank.h"
#include "economy/disposal.h"
#include "economy/groups.h"
#include "economy/transactions.h"
#include "engine/ui_calls.h"
#include "state/board.h"
#include "state/holdings.h"

namespace quorbis {

namespace {

// A group or trust is "dominated" when the player holds more than half of a
// colour group, or at least half of a trust.
constexpr int kDominated = 50;
constexpr int kTopStarClass = 5;
// Below this the computer player feels short of cash at the bank.
constexpr Dollars kCashFloor = 100;

// Compared as real numbers, the way the price tag reads: a charge of 0.65 x
// 150 = 97.5 is not affordable with $97 in hand.
bool CanAffordUnmortgage(const Square& s, Dollars cash) {
  return static_cast<double>(s.Price) * 0.65 <= static_cast<double>(cash);
}

bool CanAffordUpgrade(const Square& s, Dollars cash) {
  return s.UpgradeCost <= Currency::FromDollars(cash);
}

constexpr SquareSet Bit(int s) {
  return SquareBit(s);
}

// What never changes on the board: the squares that can be owned, the
// buildings of each colour group, and the dearest square of a fresh board.
struct BoardTables {
  std::array<int8_t, kSquareCount> properties{};
  int property_count = 0;
  std::array<SquareSet, kGroupCount> groups{};
  int dearest = 0;
};

BoardTables MakeBoardTables() {
  BoardTables t;
  Game fresh;
  InitBoard(fresh);
  for (int s = 1; s < kSquareCount; ++s) {
    if (fresh.Squares[s].Kind != kProperty) continue;
    t.properties[t.property_count++] = static_cast<int8_t>(s);
    if (fresh.Squares[s].Price > fresh.Squares[t.dearest].Price) t.dearest = s;
  }
  for (int group = 1; group <= kGroupCount; ++group) {
    for (int s : GroupSquares(group)) t.groups[group - 1] |= Bit(s);
  }
  return t;
}

const BoardTables& Board() {
  static const BoardTables tables = MakeBoardTables();
  return tables;
}

// What the player holds, from one pass over the board. Unmortgaging and
// upgrading never change who owns what, so this stays true for a whole
// management pass, while what they do change (mortgages, star classes, cash)
// is read afresh each time.
struct Holdings {
  SquareSet owned = 0;
  SquareSet mortgaged = 0;     // at the time of the pass
  SquareSet whole_groups = 0;  // buildings of the colour groups held whole
};

Holdings HoldingsOf(const Game& g, int player) {
  const BoardTables& board = Board();
  Holdings h;
  h.owned = g.OwnedSquares[player];
  h.mortgaged = g.MortgagedSquares[player];
  for (SquareSet group : board.groups) {
    if ((h.owned & group) == group) h.whole_groups |= group;
  }
  return h;
}

// Calls `visit(s)` for each square of the set in board order, until it
// returns true; returns whether one did.
template <typename Visit>
bool ForEachSquare(SquareSet set, Visit&& visit) {
  while (set != 0) {
    if (visit(std::countr_zero(set))) return true;
    set &= set - 1;
  }
  return false;
}

// Raises `needed` in cash by mortgaging (and, failing that, selling) the
// player's squares, then tells whether the cash now covers it. The estimate
// that led here rounds its running sum, while each sale rounds on its own, so
// the sales can fall a dollar short of the estimate: the caller must not
// spend money it does not have.
bool RaiseCash(Game& g, Dollars needed) {
  Player& me = g.Players[g.CurPlayer];
  if (me.Cash < needed) SaleAssets(g, needed - me.Cash);
  return me.Cash >= needed;
}

// A foreign square: take it over or pay the rent.
void TakeOverOrPay(Game& g) {
  const Player& me = g.Players[g.CurPlayer];
  const Square& sq = g.Squares[g.CurSquare];
  const Dollars cost = 3 * sq.Price;
  bool take = false;
  if (!sq.TrustComplete) {
    switch (me.Level) {
      case kNormal:
        take = CheckQuorbis(g, g.CurSquare, kDominated) && me.Cash >= cost + g.RobotBase;
        break;
      case kHard:
        if (CheckQuorbis(g, g.CurSquare, kDominated)) {
          if (me.Cash >= cost) {
            take = true;
          } else if (me.Cash + GetMortgageValue(g) >= cost) {
            take = RaiseCash(g, cost);
          }
        } else {
          // Any one square's price bounds the dearest from below: most of the
          // time that settles it without a look at the whole board.
          const Dollars lower = 3 * std::max(sq.Price, g.Squares[Board().dearest].Price);
          take = me.Cash >= 2 * lower && me.Cash >= 2 * RobotRichLimit(g);
        }
        break;
      default:  // Easy never takes a square by force
        break;
    }
  }
  DoAssetAction(g, take ? kTakeover : kPayRentAction);
}

// A square nobody owns: buy it or let it pass. True when it bought.
bool BuyOrPass(Game& g) {
  const Player& me = g.Players[g.CurPlayer];
  const Dollars price = g.Squares[g.CurSquare].Price;
  bool buy = false;
  switch (me.Level) {
    case kNormal:
      buy = (me.Cash >= price && CheckQuorbis(g, g.CurSquare, kDominated)) ||
            me.Cash >= price + g.RobotBase;
      break;
    case kHard:
      if (CheckQuorbis(g, g.CurSquare, kDominated)) {
        if (me.Cash >= price) {
          buy = true;
        } else if (me.Cash + GetMortgageValue(g) >= price) {
          buy = RaiseCash(g, price);
        }
      } else {
        buy = me.Cash >= price + g.RobotBase;
      }
      break;
    default:
      buy = me.Cash >= price;
      break;
  }
  if (buy) DoAssetAction(g, kBuy);
  return buy;
}

void Withdraw(Game& g, Player& me, Dollars amount) {
  if (amount <= 0) return;
  me.Deposit -= amount;
  me.Cash += amount;
  Emit(g, {.type = EventType::Withdrawal, .player = g.CurPlayer, .a = amount});
  History(g, [&] { return NameOf(g, g.CurPlayer) + " withdrew " + FormatMoney(amount); });
  CurrentPlayer(g, -1);
}

void DepositCash(Game& g, Player& me, Dollars amount) {
  if (amount <= 0) return;
  me.Deposit += amount;
  me.Cash -= amount;
  Emit(g, {.type = EventType::Deposit, .player = g.CurPlayer, .a = amount});
  History(g, [&] { return NameOf(g, g.CurPlayer) + " deposited " + FormatMoney(amount); });
  CurrentPlayer(g, -1);
}

void Borrow(Game& g, Player& me) {
  GetLoanLimit(g);
  if (g.LoanLimit < kCashFloor - me.Cash) return;
  const Dollars amount = std::min(g.LoanLimit, RobotLoanCap(g));
  g.LoanLimit = amount;
  me.Loan += amount;
  me.Cash += amount;
  Emit(g, {.type = EventType::Loan, .player = g.CurPlayer, .a = amount});
  History(g, [&] { return NameOf(g, g.CurPlayer) + " borrowed " + FormatMoney(amount); });
  CurrentPlayer(g, -1);
}

}  // namespace

Dollars RobotRichLimit(const Game& g) {
  const BoardTables& board = Board();
  Dollars top = 0;
  for (int i = 0; i < board.property_count; ++i)
    top = std::max(top, g.Squares[board.properties[i]].Price);
  return 3 * top;
}

Dollars RobotReserve(const Game& g) {
  // The squares anybody owns (only property squares ever are).
  SquareSet held = 0;
  for (SquareSet set : g.OwnedSquares) held |= set;
  const int owned = std::popcount(held);
  const double total = static_cast<double>(g.TotalPrice);
  if (owned < 15) return HalfEven(total * 6 / 40);
  if (owned < 20) return HalfEven(total * 4 / 40);
  // Late in the game rents are high: keep enough for the dearest square.
  return std::max(HalfEven(total * 8 / 40), RobotRichLimit(g));
}

Dollars RobotLoanCap(const Game& g) {
  return HalfEven(static_cast<double>(g.TotalPrice) * 2 / 40);
}

void AutoAction(Game& g) {
  const int p = g.CurPlayer;
  const int s = g.CurSquare;
  if (s <= 0 || s >= kSquareCount || g.Squares[s].Kind != kProperty) return;
  const int owner = g.Squares[s].Owner;
  bool acted = false;
  // A player who went bankrupt on the way here has nothing left to decide.
  if (!g.Players[p].Bankrupt && owner != p) {
    if (owner >= 0) {
      TakeOverOrPay(g);
      acted = true;
    } else {
      acted = BuyOrPass(g);
    }
  }
  // Every transaction ends with the common refresh; a landing that changed
  // nothing still refreshes the display once.
  if (!acted) DoAssetAction(g, kRefreshOnly);
}

void RobotManageAssets(Game& g) {
  const int p = g.CurPlayer;
  const Player& me = g.Players[p];
  if (me.Bankrupt) return;
  const Holdings own = HoldingsOf(g, p);
  if (me.Level == kNormal || me.Level == kHard) {
    const bool stopped = ForEachSquare(own.whole_groups, [&](int s) {
      return g.Squares[s].StarClass < kTopStarClass && RobotUpgradeGroup(g, s);
    });
    if (stopped) return;
    // Upgrading only lifts mortgages, so the squares mortgaged now were
    // mortgaged at the start of the pass.
    const bool stopped_unmortgaging = ForEachSquare(own.mortgaged, [&](int s) {
      return g.Squares[s].Mortgaged && CheckQuorbis(g, s, kDominated) && RobotUnmortgageGroup(g, s);
    });
    if (stopped_unmortgaging) return;
  }
  ForEachSquare(own.mortgaged,
                [&](int s) { return g.Squares[s].Mortgaged && RobotUnmortgageGroup(g, s); });
}

bool RobotUpgradeGroup(Game& g, int s) {
  if (s <= 0 || s >= kSquareCount || g.Squares[s].TrustType != kBuilding) return false;
  const int p = g.CurPlayer;
  const Player& me = g.Players[p];
  const std::span<const int> group = GroupSquares(BuildingGroup(s));
  // Only a group the player holds whole can be upgraded; never spend his cash
  // on somebody else's building.
  for (int m : group) {
    if (g.Squares[m].Owner != p) return false;
  }
  for (int m : group) {
    if (!g.Squares[m].Mortgaged) continue;
    if (!CanAffordUnmortgage(g.Squares[m], me.Cash)) return true;
    DisposeAsset(g, m, kUnmortgage);
  }
  // Class by class, so the whole group climbs evenly.
  for (int star = 3; star <= kTopStarClass; ++star) {
    for (int m : group) {
      const Square& sq = g.Squares[m];
      if (sq.StarClass >= star) continue;
      if (!CanAffordUpgrade(sq, me.Cash)) return true;
      DisposeAsset(g, m, kUpgrade);
    }
  }
  return false;
}

bool RobotUnmortgageGroup(Game& g, int s) {
  if (s <= 0 || s >= kSquareCount || g.Squares[s].Kind != kProperty) return false;
  const int p = g.CurPlayer;
  const Player& me = g.Players[p];
  const int trust_type = g.Squares[s].TrustType;
  if (trust_type == kTrust || trust_type == kUtility) {
    const TrustRing ring = TrustMembers(s, trust_type);
    for (int i = 0; i < ring.count; ++i) {
      const int m = ring.members[i];
      const Square& sq = g.Squares[m];
      if (sq.Owner != p || !sq.Mortgaged) continue;
      if (!CanAffordUnmortgage(sq, me.Cash)) return true;
      DisposeAsset(g, m, kUnmortgage);
    }
    return false;
  }
  for (int m : GroupSquares(BuildingGroup(s))) {
    const Square& sq = g.Squares[m];
    if (!sq.Mortgaged) continue;
    if (!CanAffordUnmortgage(sq, me.Cash)) return true;
    // A mortgaged building of a rival blocks the group's bonus: wait.
    if (sq.Owner != p) return true;
    DisposeAsset(g, m, kUnmortgage);
  }
  return false;
}

void RobotBank(Game& g) {
  Player& me = g.Players[g.CurPlayer];
  if (me.Bankrupt || (me.Level != kNormal && me.Level != kHard)) return;
  const Dollars reserve = RobotReserve(g);
  if (me.Cash >= kCashFloor) {
    if (me.Cash < reserve) {
      Withdraw(g, me, std::min(reserve - me.Cash, me.Deposit));
    } else if (me.Cash - reserve >= kCashFloor) {
      DepositCash(g, me, me.Cash - reserve);
    }
  } else if (me.Cash + me.Deposit >= kCashFloor) {
    Withdraw(g, me, std::min(reserve - me.Cash, me.Deposit));
  } else if (me.Level == kHard) {
    Borrow(g, me);
  }
}

}  // namespace quorbis
