#include "support/invariants.h"

#include <array>
#include <sstream>

namespace quorbis::testing {

namespace {

class Report {
 public:
  template <typename... Parts>
  void Add(const Parts&... parts) {
    std::ostringstream line;
    (line << ... << parts);
    lines_.push_back(line.str());
  }
  std::vector<std::string> Take() { return std::move(lines_); }

 private:
  std::vector<std::string> lines_;
};

}  // namespace

std::vector<std::string> CheckInvariants(const Game& g, const InvariantOptions& options) {
  Report r;
  const int n = g.PlayerCount;
  if (n < 2 || n > kMaxPlayers) {
    r.Add("PlayerCount ", n, " outside 2..4");
    return r.Take();
  }
  if (g.CurPlayer < 0 || g.CurPlayer >= n) r.Add("CurPlayer ", g.CurPlayer, " out of range");
  if (g.CurSquare < 0 || g.CurSquare >= kSquareCount)
    r.Add("CurSquare ", g.CurSquare, " outside the board between steps");
  if (g.GameOver == 0 && g.CurPlayer >= 0 && g.CurPlayer < n && g.Players[g.CurPlayer].Bankrupt)
    r.Add("the current player ", g.CurPlayer, " is bankrupt in a running game");

  const Square& scratch = g.Squares[kScratchSquare];
  if (scratch.Owner != -1 || scratch.Rent != Currency())
    r.Add("the scratch square still holds owner ", scratch.Owner, " rent ", scratch.Rent);

  std::array<int, kMaxPlayers> owned{};
  std::array<Dollars, kMaxPlayers> unmortgaged_value{};
  for (int k = 0; k < kSquareCount; ++k) {
    const Square& s = g.Squares[k];
    if (s.Kind != kProperty) {
      if (s.Owner != -1) r.Add("square ", k, " (kind ", s.Kind, ") is owned by ", s.Owner);
      if (s.Mortgaged) r.Add("square ", k, " (kind ", s.Kind, ") is mortgaged");
      continue;
    }
    if (s.StarClass != 0 && s.StarClass != 3 && s.StarClass != 4 && s.StarClass != 5)
      r.Add("square ", k, " has star class ", s.StarClass);
    if (s.StarClass != 0 && s.TrustType != kBuilding)
      r.Add("square ", k, " is not a building but has star class ", s.StarClass);
    if (s.Owner == -1) {
      if (s.Color != kUnownedColor) r.Add("unowned square ", k, " has colour ", s.Color);
      if (s.Mortgaged) r.Add("unowned square ", k, " is mortgaged");
      const std::string name = s.OwnerName.Trimmed();
      if (!name.empty() && name != "Bank") r.Add("unowned square ", k, " names owner '", name, "'");
      continue;
    }
    if (s.Owner < 0 || s.Owner >= n) {
      r.Add("square ", k, " owned by player ", s.Owner, " out of range");
      continue;
    }
    const Player& o = g.Players[s.Owner];
    if (o.Bankrupt) r.Add("square ", k, " owned by bankrupt player ", s.Owner);
    if (s.OwnerName.Trimmed() != o.Name.Trimmed())
      r.Add("square ", k, " names owner '", s.OwnerName.Trimmed(), "' instead of '",
            o.Name.Trimmed(), "'");
    if (s.Color != o.Color) r.Add("square ", k, " has colour ", s.Color, " not its owner's");
    owned[s.Owner] += 1;
    if (!s.Mortgaged) unmortgaged_value[s.Owner] += s.Price;
  }

  // The players' sets of squares must say what the squares say.
  std::array<uint64_t, kPlayerRecords> owned_set{};
  std::array<uint64_t, kPlayerRecords> mortgaged_set{};
  for (int k = 0; k < kSquareCount; ++k) {
    const int o = g.Squares[k].Owner;
    if (o < 0 || o >= kPlayerRecords) continue;
    owned_set[o] |= uint64_t{1} << k;
    if (g.Squares[k].Mortgaged) mortgaged_set[o] |= uint64_t{1} << k;
  }
  for (int p = 0; p < kPlayerRecords; ++p) {
    if (g.OwnedSquares[p] != owned_set[p])
      r.Add("player ", p, " OwnedSquares ", g.OwnedSquares[p], " but the board says ",
            owned_set[p]);
    if (g.MortgagedSquares[p] != mortgaged_set[p])
      r.Add("player ", p, " MortgagedSquares ", g.MortgagedSquares[p], " but the board says ",
            mortgaged_set[p]);
  }

  for (int p = 0; p < n; ++p) {
    const Player& pl = g.Players[p];
    if (pl.Position < 0 || pl.Position >= kSquareCount)
      r.Add("player ", p, " stands on square ", pl.Position);
    if (pl.AssetCount != owned[p])
      r.Add("player ", p, " AssetCount ", pl.AssetCount, " but owns ", owned[p]);
    if (!options.money) continue;
    if (pl.Bankrupt) {
      if (pl.Worth != 0) r.Add("bankrupt player ", p, " has Worth ", pl.Worth);
      if (pl.TAV != 0) r.Add("bankrupt player ", p, " has TAV ", pl.TAV);
      continue;
    }
    if (pl.TAV != unmortgaged_value[p])
      r.Add("player ", p, " TAV ", pl.TAV, " but his unmortgaged squares are worth ",
            unmortgaged_value[p]);
    const Dollars worth = pl.Cash + pl.TAV + pl.Deposit - pl.Loan;
    if (pl.Worth != worth) r.Add("player ", p, " Worth ", pl.Worth, " but should be ", worth);
    if (pl.Cash < 0 && !(p == g.CurPlayer && g.DebtPending) && !g.ShortfallAtTurnStart[p])
      r.Add("player ", p, " has cash ", pl.Cash, " with no debt open");
  }
  if (options.money) {
    for (int a = 0; a < n; ++a) {
      int not_above = 0;
      for (int e = 0; e < n; ++e)
        if (e != a && g.Players[a].Worth >= g.Players[e].Worth) ++not_above;
      // Ranking counts the other players, so n - 1 of them at most.
      const int expected = n - not_above;
      if (g.Players[a].Ranking != expected)
        r.Add("player ", a, " Ranking ", g.Players[a].Ranking, " but should be ", expected);
    }
  }
  // The worths the rankings were worked out from are the worths of now:
  // otherwise a later refresh could keep rankings that no longer hold.
  if (options.money && g.RankedCount == n) {
    for (int p = 0; p < n; ++p) {
      if (g.RankedWorth[p] != g.Players[p].Worth)
        r.Add("player ", p, " was ranked at worth ", g.RankedWorth[p], " but is worth ",
              g.Players[p].Worth);
    }
  }
  if (g.DebtPending && g.GameOver == 0) {
    const Player& c = g.Players[g.CurPlayer];
    if (c.IsRobot || c.Bankrupt) r.Add("a debt is open for a computer or bankrupt player");
  }
  if (g.DiceDialogOpen && g.DiceMode == 0 && g.Rolling)
    r.Add("the throw button is shown while a throw is still under way");
  return r.Take();
}

}  // namespace quorbis::testing
