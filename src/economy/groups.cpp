#include "economy/groups.h"

#include <array>
#include <bit>

#include "economy/disposal.h"
#include "engine/ui_calls.h"
#include "state/board.h"
#include "state/holdings.h"

namespace quorbis {

namespace {

bool OwnedUnmortgaged(const Square& s, int player) {
  return s.Owner == player && !s.Mortgaged;
}

// Trust members and utilities: the rent grows with the unmortgaged members
// the owner holds; mortgaged members he holds follow the same rent.
void ApplyTrustChange(Game& g, int square, int player, int trust_type) {
  const TrustRing ring = TrustMembers(square, trust_type);
  int held = 0;
  for (int k = 0; k < ring.count; ++k)
    if (OwnedUnmortgaged(g.Squares[ring.members[k]], player)) ++held;
  if (held == 0) return;
  for (int k = 0; k < ring.count; ++k) {
    Square& m = g.Squares[ring.members[k]];
    if (m.Owner != player) continue;
    if (trust_type == kUtility) {
      // For a utility the "rent" is the multiplier applied to the dice.
      m.BaseRent = Currency::FromDollars(5 * held);
      m.Rent = m.BaseRent;
    } else {
      m.Rent = m.BaseRent * held;
    }
    m.TrustComplete = held == ring.count;
  }
}

void ApplyGroupChange(Game& g, int square, int player) {
  const auto members = GroupSquares(BuildingGroup(square));
  if (members.empty()) return;
  bool complete = true;
  for (int m : members)
    if (!OwnedUnmortgaged(g.Squares[m], player)) complete = false;
  for (int m : members) {
    Square& b = g.Squares[m];
    if (!complete) {
      if (!b.CanUpgrade) continue;
      // The bonus is lost: a starred rent halves, a plain one falls back to a
      // fifth of the current price.
      b.Rent = b.StarClass != 0 ? b.Rent.DivideBy(2) : Share(b.Price, 1, 5);
      b.CanUpgrade = false;
    } else {
      // A building that already carries the bonus must not be doubled twice.
      if (b.CanUpgrade) continue;
      b.Rent = b.StarClass != 0 ? b.Rent * 2 : b.BaseRent * 2;
      b.CanUpgrade = true;
    }
  }
}

}  // namespace

void ApplyAssetChange(Game& g, int square, int player) {
  if (square == 0) square = g.CurSquare;
  if (player == -1) player = g.CurPlayer;
  if (square <= 0 || square >= kSquareCount) return;
  const Square& s = g.Squares[square];
  if (s.Kind != kProperty) return;
  switch (s.TrustType) {
    case kTrust:
    case kUtility:
      ApplyTrustChange(g, square, player, s.TrustType);
      return;
    default:
      ApplyGroupChange(g, square, player);
      return;
  }
}

namespace {

// The members of the colour group, the trust and the utility pair each
// square would belong to, as sets of squares, and the share in per cent that
// holding `held` of `total` members gives: the group tests below run for
// every landing and every management pass.
constexpr int kMaxMembers = 4;

struct MemberSets {
  std::array<SquareSet, kSquareCount> building{};
  std::array<SquareSet, kSquareCount> trust{};
  std::array<SquareSet, kSquareCount> utility{};
  std::array<std::array<int64_t, kMaxMembers + 1>, kMaxMembers + 1> rate{};
};

MemberSets MakeMemberSets() {
  MemberSets t;
  for (int s = 1; s < kSquareCount; ++s) {
    for (int m : GroupSquares(BuildingGroup(s))) t.building[s] |= SquareBit(m);
    for (const int type : {kTrust, kUtility}) {
      const TrustRing ring = TrustMembers(s, type);
      SquareSet& set = type == kTrust ? t.trust[s] : t.utility[s];
      for (int k = 0; k < ring.count; ++k) set |= SquareBit(ring.members[k]);
    }
  }
  // Worked out as the share always was (a real division, rounded half to
  // even), so that every boundary stays where it was.
  for (int total = 1; total <= kMaxMembers; ++total) {
    for (int held = 0; held <= total; ++held)
      t.rate[total][held] = HalfEven(static_cast<double>(held) / total * 100.0);
  }
  return t;
}

}  // namespace

bool CheckQuorbisFor(const Game& g, int player, int AssetID, int CheckRate) {
  if (AssetID <= 0 || AssetID >= kSquareCount) return false;
  const Square& s = g.Squares[AssetID];
  if (s.Kind != kProperty) return false;
  static const MemberSets kMembers = MakeMemberSets();
  SquareSet members = 0;
  if (s.TrustType == kBuilding)
    members = kMembers.building[AssetID];
  else if (s.TrustType == kTrust)
    members = kMembers.trust[AssetID];
  else if (s.TrustType == kUtility)
    members = kMembers.utility[AssetID];
  const int total = CountFewSquares(members);
  if (total == 0 || total > kMaxMembers) return false;
  int held = 0;
  if (HoldingPlayer(player)) {
    held = CountFewSquares(g.OwnedSquares[player] & members);
  } else {
    // Nobody's set: count on the board (the bank's squares, for one).
    for (SquareSet rest = members; rest != 0; rest &= rest - 1)
      if (g.Squares[std::countr_zero(rest)].Owner == player) ++held;
  }
  const int64_t rate = kMembers.rate[total][held];
  return s.TrustType == kBuilding ? rate > CheckRate : rate >= CheckRate;
}

bool CheckQuorbis(const Game& g, int AssetID, int CheckRate) {
  return CheckQuorbisFor(g, g.CurPlayer, AssetID, CheckRate);
}

void ShowQuorbisTip(Game& g, int AssetID) {
  if (!CheckQuorbis(g, AssetID, 99)) return;
  PlayWave(g, Sound::Trust, WaveMode::Async);
  Tip(g, 1, [&] {
    const Square& s = g.Squares[AssetID];
    if (s.TrustType == kBuilding) return NameOf(g, g.CurPlayer) + ", You got a quorbis!";
    return NameOf(g, g.CurPlayer) + ", You are the " + s.GroupName.Trimmed();
  });
}

}  // namespace quorbis
