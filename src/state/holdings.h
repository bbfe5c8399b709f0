// Keeps the owner and mortgage of a square together with the players' sets of
// squares (`Game::OwnedSquares`, `Game::MortgagedSquares`). Write a square's
// owner or mortgage only through these, so that the sets never go stale.
#pragma once

#include <cstdint>

#include "state/game_state.h"

namespace quorbis {

using SquareSet = uint64_t;  // bit s for square s

constexpr SquareSet SquareBit(int s) {
  return SquareSet{1} << s;
}

// How many squares a small set holds (a group or a trust: four at most). One
// step per square is cheaper here than a general bit count, which the
// processors we build for do not all have as one instruction.
constexpr int CountFewSquares(SquareSet set) {
  int count = 0;
  for (; set != 0; set &= set - 1) ++count;
  return count;
}

// True when `player` can hold squares in the sets.
constexpr bool HoldingPlayer(int player) {
  return player >= 0 && player < kPlayerRecords;
}

inline void SetOwner(Game& g, int s, int owner) {
  Square& sq = g.Squares[s];
  if (s >= 0 && s < kSquareCount) {
    const SquareSet bit = SquareBit(s);
    if (HoldingPlayer(sq.Owner)) {
      g.OwnedSquares[sq.Owner] &= ~bit;
      g.MortgagedSquares[sq.Owner] &= ~bit;
    }
    if (HoldingPlayer(owner)) {
      g.OwnedSquares[owner] |= bit;
      if (sq.Mortgaged) g.MortgagedSquares[owner] |= bit;
    }
  }
  sq.Owner = owner;
}

inline void SetMortgaged(Game& g, int s, bool mortgaged) {
  Square& sq = g.Squares[s];
  sq.Mortgaged = mortgaged;
  if (s < 0 || s >= kSquareCount || !HoldingPlayer(sq.Owner)) return;
  if (mortgaged)
    g.MortgagedSquares[sq.Owner] |= SquareBit(s);
  else
    g.MortgagedSquares[sq.Owner] &= ~SquareBit(s);
}

// Builds the sets afresh from the squares, for a board that was written
// directly (a test's position, a game state read in whole).
inline void RebuildHoldings(Game& g) {
  g.OwnedSquares.fill(0);
  g.MortgagedSquares.fill(0);
  for (int s = 0; s < kSquareCount; ++s) {
    const Square& sq = g.Squares[s];
    if (!HoldingPlayer(sq.Owner)) continue;
    g.OwnedSquares[sq.Owner] |= SquareBit(s);
    if (sq.Mortgaged) g.MortgagedSquares[sq.Owner] |= SquareBit(s);
  }
}

}  // namespace quorbis
