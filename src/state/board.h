// The "New York" board: 48 squares, six colour groups, three trusts and the
// utilities, and the Luck and Chance decks.
#pragma once

#include <array>
#include <span>

#include "state/game_state.h"

namespace quorbis {

// Writes every square 0..48, both decks, `Salary`, `TotalPrice` and
// `ShortNames`: the fresh board of a new game, however often it runs.
void InitBoard(Game& g);

// Rebuilds `PriceText`, `RentText` and `PriceRentText` from the current prices
// and rents of squares 0..47.
void FormatSquarePrices(Game& g);

constexpr int kCorners[4] = {0, 12, 24, 36};
constexpr int kGroupCount = 6;
constexpr int kMaxGroupSize = 4;

// The colour group (1..6) of a building square by the first matching range;
// 0 for any square that is not a building.
int BuildingGroup(int square);

// The buildings of colour group 1..6, in board order.
std::span<const int> GroupSquares(int group);

// The members of the trust of a trust member or utility, starting with the
// square itself and going round the board (s, s+12, s+24, s+36 or s, s+24).
struct TrustRing {
  std::array<int, 4> members{};
  int count = 0;
};
TrustRing TrustMembers(int square, int trust_type);

}  // namespace quorbis
